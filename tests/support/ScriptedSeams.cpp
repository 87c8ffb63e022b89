#include "ScriptedSeams.h"

namespace tavrio::test {

void ScriptedSeams::install()
{
    seams() = Seams{this, this, this, this, this};
    bindEngineMessages();
}

void ScriptedSeams::clear()
{
    messages.clear();
    questions.clear();
    questionDefaults.clear();
    answers.clear();
    fileAnswers.clear();
    mails.clear();
    sounds.clear();
    playing_.clear();
}

void ScriptedSeams::playWav(const QString& path, std::function<void()> finished)
{
    sounds << path;
    // Like the real seam: a new sound stops the one playing.
    playing_.clear();
    playing_ << std::move(finished);
}

bool ScriptedSeams::finishSound()
{
    if (playing_.isEmpty())
        return false;
    auto done = playing_.takeFirst();
    if (done)
        done();
    return true;
}

bool ScriptedSeams::askYesNo(const QString& text, cDefaultAnswer byDefault)
{
    questions << text;
    questionDefaults << byDefault;
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedSeams::openFileName(const QString&, const QString&, const QString&)
{
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedSeams::saveFileName(const QString&, const QString&, const QString&)
{
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

} // namespace tavrio::test
