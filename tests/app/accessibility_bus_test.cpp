// What a screen reader hears from the window, on a desktop with the
// accessibility bus (run through with_accessibility_bus.sh): the events the
// window sends as the user moves, and its tree read from outside the program.

#include "windowfixture.h"

#include <QAccessible>
#include <QProcess>
#include <QTest>

using namespace resources;

namespace {

// What the accessibility layer was told: the event, its object, and the name
// and description of what it is about (the object or one of its children).
struct Told {
    QAccessible::Event type;
    QObject* object;
    QString name, description;
};
std::vector<Told> told;

void Record(QAccessibleEvent* event)
{
    QAccessibleInterface* about = event->accessibleInterface();
    told.push_back({event->type(), event->object(), about ? about->text(QAccessible::Name) : QString(),
                    about ? about->text(QAccessible::Description) : QString()});
}

// The tree the reader prints: one "role<tab>name<tab>description" per object.
QStringList ReadFromTheBus()
{
    QProcess reader;
    reader.start(ATSPI_READER, {QCoreApplication::applicationName()});
    // The window answers the reader's questions from its event loop.
    while (reader.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QString errors = QString::fromLocal8Bit(reader.readAllStandardError());
    EXPECT_EQ(reader.exitCode(), 0) << errors.toStdString();
    QStringList lines;
    for (const QString& line : QString::fromLocal8Bit(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        lines << line.trimmed();
    return lines;
}

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

    QWidget* french = window->Control(kTranslationText);
    QStringList rowsTold, frenchTold;
    for (const Told& event : told) {
        if (event.object == window->PhraseList() && event.type == QAccessible::DescriptionChanged)
            rowsTold << event.name + " / " + event.description;
        if (event.object == french && event.type == QAccessible::NameChanged)
            frenchTold << event.name;
    }
    EXPECT_EQ(rowsTold, (QStringList{"Phrase [two] / Phrase 2 fr", "Phrase 5 / Phrase 5 fr"}));
    EXPECT_EQ(frenchTold, (QStringList{"Phrase 2 fr", "Phrase 5 fr"}));
}

TEST_F(Bus, AReaderOutsideTheProgramHearsTheNamesTheWindowShows)
{
    OpenWindow(true);
    QTest::keyClick(window->PhraseList(), Qt::Key_Down);
    const QStringList tree = ReadFromTheBus();
    for (const char* line : {"push button\tBasic\tGeneral Category", "push button\tSearch\tSearch",
                             "push button\tGo\tSearch OK", "label\tPhrase 2 fr\tFrench translation",
                             "list item\tPhrase [two]\tPhrase 2 fr", "list item\tPhrase 1"})
        EXPECT_TRUE(tree.contains(line)) << line << "\n" << tree.join('\n').toStdString();
    // The open word chooser offers its words as items. (On this desktop a combo box is named by its value.)
    ASSERT_TRUE(window->PhraseList()->OpenFirstSlot());
    const QStringList offered = ReadFromTheBus();
    for (const char* line : {"combo box\ttwo\tAnother word for the one in brackets", "list item\ttwo",
                             "list item\tthree", "list item\tfour"})
        EXPECT_TRUE(offered.contains(line)) << line << "\n" << offered.join('\n').toStdString();
}
