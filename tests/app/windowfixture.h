#pragma once
// A main window on a small phrase book of its own, in a fresh directory, with
// message boxes recorded and the sound written to a recording device.

#include "files.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "platform/messagebox.h"
#include "recordingwaveout.h"
#include "resources/controlids.h"
#include "tempdir.h"
#include "testapp.h"
#include "tessalydlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <optional>

// A one-second MPEG-2 Layer III clip made once per run with sox and lame; nothing without them.
const std::optional<Bytes>& TestClip();
#define SKIP_WITHOUT_CLIP() if (!TestClip()) GTEST_SKIP() << "sox and lame are needed to make a clip"

// 831 phrases "Phrase n" with translations "Phrase n fr"; phrases 2 to 4 are
// one family "Phrase [two|three|four]", every phrase's guide "frahz n"; phrase 1 is related to 5 and 9,
// phrase 2 to phrase 1. Every phrase's clip is TestClip() when there is one.
void WriteWindowBook();

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using Boxed = std::vector<std::pair<QString, QString>>;

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() { TestApp(); WriteWindowBook(); }
    // Opens the window as the program does, short of its modal run; `shown`: on screen and active.
    void OpenWindow(bool shown = false);
    QStringList Rows(int limit = 5) const
    {
        QStringList rows;
        for (int row = 0; row < std::min(limit, RowCount()); ++row)
            rows << QString::fromStdU16String(window->PhraseList()->RowText(row));
        return rows;
    }
    Boxed Boxes() const
    {
        Boxed shown;
        for (const auto& box : boxes.Boxes())
            shown.emplace_back(box.text, box.caption);
        return shown;
    }

    void Click(int id) { qobject_cast<QAbstractButton*>(window->Control(id))->click(); }
    // The text of a picture button's one tool tip.
    QString TipOf(int id) const
    {
        const ToolTip* tip = window->Button(id)->Tip();
        return tip->ToolCount() == 1 ? tip->ToolText(1) : QString("<%1 tools>").arg(tip->ToolCount());
    }
    int RowCount() const { return window->PhraseList()->count(); }
    QString Translation() const { return QString::fromStdU16String(window->Book().translationText); }
    QString CaptionText(int id) const { return qobject_cast<QLabel*>(window->Control(id))->text(); }
    QLineEdit* Keyword() const { return qobject_cast<QLineEdit*>(window->Control(resources::kKeywordBox)); }
    QComboBox* Subcategory() const { return qobject_cast<QComboBox*>(window->Control(resources::kSubcategoryBox)); }
    std::size_t Plays() const { return device->Written().size(); }
    static QWidget* Focused() { return QApplication::focusWidget(); }

    ScopedTempDir dir;
    platform::MessageBoxRecorder boxes;
    platform::RecordingWaveOut* device = nullptr;
    std::unique_ptr<CTessalyDlg> window;
};
