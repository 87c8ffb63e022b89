#pragma once
// Test doubles for the seams: record every message and question, answer
// questions and file dialogs from a queue. Install in a test's init().
#include "ui/Seams.h"

#include <QStringList>
#include <QList>

namespace tavrio::test {

class ScriptedSeams final : public MessageSeam, public QuestionSeam, public FileDialogSeam,
                            public MailSeam, public SoundSeam {
public:
    // Installs this object as every seam (and rebinds the engine's messages).
    void install();
    void clear();

    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text, cDefaultAnswer byDefault) override;
    QString openFileName(const QString& title, const QString& directory, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& directory, const QString& filter) override;
    void openMail(const QString& address) override { mails << address; }
    // Records the path; the sound counts as playing until finishSound().
    void playWav(const QString& path, std::function<void()> finished) override;
    // Ends the oldest sound still playing (runs its `finished`); false when
    // none is.
    bool finishSound();

    QStringList messages;
    QStringList questions;
    QList<cDefaultAnswer> questionDefaults; // the default button of each question asked
    QList<bool> answers;       // next Yes/No answers; No when empty
    QStringList fileAnswers;   // next file dialog results; cancel when empty
    QStringList mails;
    QStringList sounds;         // every WAV asked for, in order

private:
    QList<std::function<void()>> playing_;
};

} // namespace tavrio::test
