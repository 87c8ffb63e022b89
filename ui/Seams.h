#pragma once
// The program's doors to the outside world. Every message box, Yes/No
// question, file dialog, mail link and sound goes through one of these, so
// tests can install scripted versions (tests/support/ScriptedSeams.h) that
// record what was shown and answer what was asked.
#include <QString>
#include <functional>

namespace tavrio {

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A modal message box with an OK button.
    virtual void showMessage(const QString& text) = 0;
};

// The button a Yes/No box has as default (taken by Return). A question that
// would discard work defaults to No.
enum class cDefaultAnswer { Yes, No };

class QuestionSeam {
public:
    virtual ~QuestionSeam() = default;
    // A modal Yes/No box; true for Yes.
    virtual bool askYesNo(const QString& text, cDefaultAnswer byDefault) = 0;
};

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // Empty result: the learner cancelled. `filter` uses Qt's syntax,
    // e.g. "Vokabellisten (*.vok)".
    virtual QString openFileName(const QString& title, const QString& directory, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& directory, const QString& filter) = 0;
};

class MailSeam {
public:
    virtual ~MailSeam() = default;
    // Opens the system's mail program with a new mail to `address`.
    virtual void openMail(const QString& address) = 0;
};

class SoundSeam {
public:
    virtual ~SoundSeam() = default;
    // Starts a WAV file and returns at once. `finished` runs later on the GUI
    // thread, once, when the sound has ended or could not be played (missing
    // or broken file, no audio device), so a caller can play a queue piece
    // after piece. A new call stops the sound still playing; that sound's
    // `finished` is then dropped.
    virtual void playWav(const QString& path, std::function<void()> finished = {}) = 0;
};

// The seams in use. Production installs the Qt implementations
// (installQtSeams); tests install their own. Never null after installation.
struct Seams {
    MessageSeam* message = nullptr;
    QuestionSeam* question = nullptr;
    FileDialogSeam* files = nullptr;
    MailSeam* mail = nullptr;
    SoundSeam* sound = nullptr;
};

Seams& seams();
// Installs the QMessageBox / QFileDialog / QDesktopServices / QSoundEffect
// implementations and binds the engine's message handler to the message box.
void installQtSeams();
// Binds the engine's messages (cp1252 bytes) to whatever message seam is
// installed at the time a message is shown.
void bindEngineMessages();

// The text a message box shows: each CR (13), alone or before LF, is a
// line break.
QString messageBoxText(const QString& text);

// Shortcuts used by the windows.
void showMessage(const QString& text);
bool askYesNo(const QString& text, cDefaultAnswer byDefault = cDefaultAnswer::Yes);

} // namespace tavrio
