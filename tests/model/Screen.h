// What a watcher reads off the game, certificate and about windows after one input, and what
// happened during it (the pirate's drawings, the sound cues, endings of the program); the rules
// model predicts one, the real windows yield the other, and the two are compared field by field.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <string_view>

namespace model {

struct Draw {
    int x = 0, y = 0, sx = 0, sy = 0;
    bool operator==(const Draw &) const = default;
};

struct CertificateScreen {
    bool open = false;
    QString nameBox;
    bool nameBoxShown = false, nameButtonShown = false;
    QString nameLine;
    bool printShown = false, exitShown = false;
    QString printNote;  // what the window says became of the certificate: "", "saved as FILE" or "failed"
    QString focus;      // the control that has the window's focus, or "none"
    int printJobs = 0;  // pictures handed to the printer so far
    bool operator==(const CertificateScreen &) const = default;
};

struct Screen {
    // The game window.
    QString answer;
    bool answerEnabled = false;
    bool newWordEnabled = false;
    QString score;
    const std::string_view *list = nullptr;  // the loaded list, told apart by where its words lie
    int wordIndex = 0;
    qint64 scoreCounter = 0;
    QStringList checkedLevels;  // names of the LEVEL items that carry a check mark
    int x = 0, y = 0, sx = 0, sy = 0, phase = 0;
    int pirateCount = 0;
    QStringList shownRoster;  // faces, names and ships that are visible, in roster order
    QString focus;            // the game window's focus control, or "none"
    // During the last input.
    QList<Draw> draws;
    QStringList cues;
    int programEnds = 0;
    // The other windows.
    int aboutWindows = 0;  // about windows on the screen
    QString aboutTexts;    // its caption, version line and title line, written by its load handler
    CertificateScreen certificate;
};

// One line per field that differs, saying what was expected and what was seen.
QStringList differences(const Screen &expected, const Screen &seen);

// "easy, first list" and so on, for messages.
QString listName(const std::string_view *list);

}  // namespace model
