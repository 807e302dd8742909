// What a screen reader hears from the window, on a desktop with the
// accessibility bus (run through with_accessibility_bus.sh): the events the
// window sends as the user moves, and its tree read off the bus.

#include "slotchooser.h"
#include "tessalyversion.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTest>
#include <functional>
#include <tuple>

using namespace resources;

namespace {

// What the accessibility layer was told: each event, its object, and the name
// and description of what it is about (the object or one of its children) as
// "name / description".
std::vector<std::tuple<QAccessible::Event, QObject*, QString>> told;

void Record(QAccessibleEvent* event)
{
    QAccessibleInterface* about = event->accessibleInterface();
    told.emplace_back(event->type(), event->object(),
                      about ? about->text(QAccessible::Name) + " / " + about->text(QAccessible::Description) : "");
}

// An object on the accessibility bus.
struct Object {
    QString service;
    QDBusObjectPath path;
};

const QDBusArgument& operator>>(const QDBusArgument& in, Object& object)
{
    in.beginStructure();
    in >> object.service >> object.path;
    in.endStructure();
    return in;
}

// Reads the window's tree as a screen reader does, through a connection of its
// own to the accessibility bus: one "role<tab>name<tab>description" per object
// (an empty description left out), depth first; of an object with many
// children (a long list) only the first 40.
class ScreenReader {
public:
    QStringList Read() const
    {
        const Object desktop{"org.a11y.atspi.Registry", QDBusObjectPath("/org/a11y/atspi/accessible/root")};
        QStringList lines;
        for (const Object& application : Children(desktop))
            if (Property(application, "Name") == QCoreApplication::applicationName())
                Add(application, lines);
        EXPECT_FALSE(lines.isEmpty()) << "the window is not on the accessibility bus";
        return lines;
    }

private:
    static QDBusConnection Connect()
    {
        const QDBusMessage address = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
        return QDBusConnection::connectToBus(address.arguments().value(0).toString(), "screen reader");
    }
    QDBusMessage Call(const Object& object, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(object.service, object.path.path(), interface, method);
        call.setArguments(arguments);
        // The window answers from this thread's event loop, which runs while the call waits.
        return bus.call(call, QDBus::BlockWithGui, 5000);
    }
    QString Property(const Object& object, const QString& name) const
    {
        const QDBusMessage reply = Call(object, "org.freedesktop.DBus.Properties", "Get", {kAccessible, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant().toString();
    }
    QList<Object> Children(const Object& object) const
    {
        QList<Object> children;
        const QDBusMessage reply = Call(object, kAccessible, "GetChildren");
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            reply.arguments().front().value<QDBusArgument>() >> children;
        return children;
    }
    void Add(const Object& object, QStringList& lines) const
    {
        const QString role = Call(object, kAccessible, "GetRoleName").arguments().value(0).toString();
        lines << (role + '\t' + Property(object, "Name") + '\t' + Property(object, "Description")).trimmed();
        const QList<Object> children = Children(object);
        for (qsizetype i = 0; i < std::min<qsizetype>(children.size(), 40); ++i)
            Add(children[i], lines);
    }

    static inline const QString kAccessible = "org.a11y.atspi.Accessible";
    const QDBusConnection bus = Connect();
};

} // namespace

class Bus : public WindowFixture {};

TEST_F(Bus, TheFrenchIsToldWithTheRowAsTheSelectionMoves)
{
    OpenWindow(true);
    ASSERT_TRUE(QAccessible::isActive()) << "the accessibility bridge is not active";
    told.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(Record);
    QTest::keyClick(window->PhraseList(), Qt::Key_Down);
    QTest::keyClick(window->PhraseList(), Qt::Key_Down);
    QAccessible::installUpdateHandler(previous);

    QStringList rowsTold, frenchTold;
    for (const auto& [type, object, said] : told) {
        if (object == window->PhraseList() && type == QAccessible::DescriptionChanged)
            rowsTold << said;
        if (object == window->Control(kTranslationText) && type == QAccessible::NameChanged)
            frenchTold << said;
    }
    EXPECT_EQ(rowsTold, (QStringList{"Phrase [two] / Phrase 2 fr", "Phrase 5 / Phrase 5 fr"}));
    EXPECT_EQ(frenchTold, (QStringList{"Phrase 2 fr / French translation", "Phrase 5 fr / French translation"}));
}

TEST_F(Bus, AScreenReaderOnTheBusHearsTheNamesTheWindowShowsAndTheSelectedRowsFrench)
{
    OpenWindow(true);
    CMyListBox* list = window->PhraseList();
    QTest::keyClick(list, Qt::Key_Down);
    // The open word chooser offers its words as items (on this desktop a combo box is named by its value);
    // a row rewritten by a pick, and a new view's first row, carry their French.
    const std::pair<std::function<void()>, std::vector<const char*>> steps[] = {
        {[] {}, {"push button\tBasic\tGeneral Category", "push button\tPlay sound\tPlay sound",
                 "push button\tAdd to Favorite\tAdd to Favorite", "label\tPhrase 2 fr\tFrench translation",
                 "label\tSay it: frahz 2\tPronunciation guide; IPA: fʁɑz 2", "label\t" TESSALY_VERSION "\tVersion",
                 "combo box\tAll\tSub category:", "list item\tPhrase [two]\tPhrase 2 fr", "list item\tPhrase 1"}},
        {[&] { ASSERT_TRUE(list->OpenFirstSlot()); },
         {"combo box\ttwo\tAnother word for the one in brackets", "list item\ttwo", "list item\tthree", "list item\tfour"}},
        {[&] { list->Chooser()->setCurrentIndex(1); emit list->Chooser()->activated(1); },
         {"list item\tPhrase [three]\tPhrase 3 fr"}},
        {[&] { Click(kTravelButton); }, {"list item\tPhrase 172\tPhrase 172 fr"}},
        // The names follow the captions and the tips as the mode changes; the two search buttons stay apart.
        {[&] { Click(kSearchModeButton); },
         {"text\tYour key word\tYour key word:", "check box\tExact match only\tExact match only",
          "push button\tGo\tSearch", "push button\tSearch\tSearch",
          "list\tYour phrases\tEnter or Space plays the selected phrase; F4 offers other words for the word in brackets."}},
    };
    for (const auto& [act, heard] : steps) {
        act();
        const QStringList tree = ScreenReader().Read();
        for (const char* line : heard)
            EXPECT_TRUE(tree.contains(line)) << line << "\n" << tree.join('\n').toStdString();
    }
}
