// Reads what a screen reader would: the accessibility tree one application
// publishes on the accessibility bus, from outside the application.
//   atspi-reader APPLICATION
// prints one line per object, depth first: its depth in spaces, its role, its
// name and its description, separated by tabs. Of an object with many
// children (a long list) only the first few are read.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <cstdio>

namespace {

// A list of more children than this is read only as far as this.
constexpr qsizetype kChildrenRead = 40;
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");

struct Object {
    QString service;
    QString path;
};

QDBusMessage Call(const QDBusConnection& bus, const Object& object, const QString& interface, const QString& method,
                  const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, 5000);
}

QString Text(const QDBusConnection& bus, const Object& object, const QString& property)
{
    const QDBusMessage reply = Call(bus, object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {kAccessible, property});
    return reply.arguments().isEmpty() ? QString()
                                       : reply.arguments().front().value<QDBusVariant>().variant().toString();
}

QList<Object> Children(const QDBusConnection& bus, const Object& object)
{
    const QDBusMessage reply = Call(bus, object, kAccessible, QStringLiteral("GetChildren"));
    QList<Object> children;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return children;
    const QDBusArgument list = reply.arguments().front().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Object child;
        QDBusObjectPath path;
        list.beginStructure();
        list >> child.service >> path;
        list.endStructure();
        child.path = path.path();
        children << child;
    }
    list.endArray();
    return children;
}

void Print(const QDBusConnection& bus, const Object& object, int depth)
{
    const QDBusMessage role = Call(bus, object, kAccessible, QStringLiteral("GetRoleName"));
    std::printf("%s%s\t%s\t%s\n", QByteArray(depth, ' ').constData(),
                qPrintable(role.arguments().value(0).toString()), qPrintable(Text(bus, object, "Name")),
                qPrintable(Text(bus, object, "Description")));
    const QList<Object> children = Children(bus, object);
    for (qsizetype i = 0; i < std::min<qsizetype>(children.size(), kChildrenRead); ++i)
        Print(bus, children[i], depth + 1);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: atspi-reader APPLICATION\n");
        return 2;
    }
    const QDBusMessage address = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
    if (address.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "atspi-reader: no accessibility bus: %s\n", qPrintable(address.errorMessage()));
        return 1;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address.arguments().value(0).toString(), "a11y");
    const Object desktop{"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"};
    for (const Object& application : Children(bus, desktop)) {
        if (Text(bus, application, "Name") == QString::fromLocal8Bit(argv[1])) {
            Print(bus, application, 0);
            return 0;
        }
    }
    std::fprintf(stderr, "atspi-reader: %s is not on the accessibility bus\n", argv[1]);
    return 1;
}
