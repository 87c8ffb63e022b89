#include "ui/Seams.h"

#include "engine/Messages.h"
#include "ui/Text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace tavrio {
namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

class QtMessages final : public MessageSeam {
public:
    void showMessage(const QString& text) override
    {
        QMessageBox::information(dialogParent(), QStringLiteral("Tavrio"), messageBoxText(text), QMessageBox::Ok);
    }
};

class QtQuestions final : public QuestionSeam {
public:
    bool askYesNo(const QString& text) override
    {
        // The button captions are set here so the box reads German even
        // where no Qt translation is installed.
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tavrio"), text, QMessageBox::NoButton,
                        dialogParent());
        QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }
};

class QtFileDialogs final : public FileDialogSeam {
public:
    QString openFileName(const QString& title, const QString& directory, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(dialogParent(), title, directory, filter);
    }
    QString saveFileName(const QString& title, const QString& directory, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(dialogParent(), title, directory, filter);
    }
};

class QtMail final : public MailSeam {
public:
    void openMail(const QString& address) override
    {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    }
};

class QtSound final : public SoundSeam {
public:
    void playWav(const QString& path) override
    {
        if (!effect_)
            effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(path));
        effect_->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

Seams& seams()
{
    static Seams current;
    return current;
}

void bindEngineMessages()
{
    SetMessageHandler([](const std::string& bytes) { showMessage(fromAnsi(bytes)); });
}

void installQtSeams()
{
    static QtMessages messages;
    static QtQuestions questions;
    static QtFileDialogs files;
    static QtMail mail;
    static QtSound sound;
    seams() = Seams{&messages, &questions, &files, &mail, &sound};
    bindEngineMessages();
}

QString messageBoxText(const QString& text)
{
    // The box breaks lines at LF only.
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void showMessage(const QString& text)
{
    if (seams().message)
        seams().message->showMessage(text);
}

bool askYesNo(const QString& text)
{
    return seams().question && seams().question->askYesNo(text);
}

} // namespace tavrio
