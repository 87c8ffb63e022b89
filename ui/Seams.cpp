#include "ui/Seams.h"

#include "engine/Messages.h"
#include "ui/IoModule.h"
#include "ui/Text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace tavrio {
namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

// Gives the keyboard back to the window a box was shown over (without a
// window manager nobody else does, and the keys would go nowhere).
void giveFocusBack(const QPointer<QWidget>& parent)
{
    if (parent && parent->isVisible())
        parent->activateWindow();
}

class QtMessages final : public MessageSeam {
public:
    void showMessage(const QString& text) override
    {
        const QPointer<QWidget> parent = dialogParent();
        QMessageBox::information(parent, QStringLiteral("Tavrio"), messageBoxText(text), QMessageBox::Ok);
        giveFocusBack(parent);
    }
};

class QtQuestions final : public QuestionSeam {
public:
    bool askYesNo(const QString& text, cDefaultAnswer byDefault) override
    {
        // The button captions are set here so the box reads German even
        // where no Qt translation is installed.
        const QPointer<QWidget> parent = dialogParent();
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tavrio"), text, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(byDefault == cDefaultAnswer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        const bool answer = box.clickedButton() == yes;
        giveFocusBack(parent);
        return answer;
    }
};

class QtFileDialogs final : public FileDialogSeam {
public:
    QString openFileName(const QString& title, const QString& directory, const QString& filter) override
    {
        const QPointer<QWidget> parent = dialogParent();
        const QString name = QFileDialog::getOpenFileName(parent, title, directory, filter);
        giveFocusBack(parent);
        return name;
    }
    QString saveFileName(const QString& title, const QString& directory, const QString& filter) override
    {
        const QPointer<QWidget> parent = dialogParent();
        const QString name = QFileDialog::getSaveFileName(parent, title, directory, filter);
        giveFocusBack(parent);
        return name;
    }
};

class QtMail final : public MailSeam {
public:
    void openMail(const QString& address) override
    {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    }
};

// Plays through the sound adapter of the tavrio_io module, loaded with the
// first sound. Without the module nothing plays and the queue goes on.
class LazySound final : public SoundSeam {
public:
    void playWav(const QString& path, std::function<void()> finished) override
    {
        if (!tried_) {
            tried_ = true;
            using Create = SoundSeam* (*)();
            if (auto create = reinterpret_cast<Create>(ioModuleFunction("tavrioCreateSound")))
                real_.reset(create());
        }
        if (real_) {
            real_->playWav(path, std::move(finished));
            return;
        }
        const quint64 id = ++generation_;
        QTimer::singleShot(0, qApp, [this, id, done = std::move(finished)] {
            if (id == generation_ && done)
                done();
        });
    }

private:
    bool tried_ = false;
    std::unique_ptr<SoundSeam> real_;
    quint64 generation_ = 0;
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
    static LazySound sound;
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

bool askYesNo(const QString& text, cDefaultAnswer byDefault)
{
    return seams().question && seams().question->askYesNo(text, byDefault);
}

} // namespace tavrio
