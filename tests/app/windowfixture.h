#pragma once
// A main window on a small phrase book of its own, in a fresh directory, with
// message boxes recorded and the sound written to a recording device.

#include "files.h"
#include "platform/messagebox.h"
#include "recordingwaveout.h"
#include "tempdir.h"
#include "tessalydlg.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

QApplication& TestApp();
// Handles events for `milliseconds`, so that timers due in that time fire.
void RunEventsFor(int milliseconds);

// A one-second MPEG-2 Layer III clip made with sox and lame, once per run;
// nothing when those tools are missing.
const std::optional<Bytes>& TestClip();

// 831 phrases "Phrase n" with translations "Phrase n fr"; phrases 2 to 4 are
// one family "Phrase [two|three|four]"; phrase 1 is related to 5 and 9,
// phrase 2 to phrase 1.
// Every phrase's clip is TestClip() when there is one.
void WriteWindowBook();

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the window as the program does, without entering its modal run.
    void OpenWindow();
    void Click(int controlId);
    QString RowText(int row) const;
    QString CaptionText(int controlId) const;
    // The text of a picture button's one tool tip.
    QString TipOf(int controlId) const;
    std::vector<std::pair<QString, QString>> Boxes() const;

    ScopedTempDir dir;
    std::optional<platform::MessageBoxRecorder> boxes;
    platform::RecordingWaveOut* device = nullptr;
    std::unique_ptr<CTessalyDlg> window;
    bool hadTmpDir = false;
    QByteArray previousTmpDir;
};
