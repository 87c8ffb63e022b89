#pragma once
// TForm25: compose a phonetic transcription from 84 sign buttons and hear it
// from the sample sounds "Sound\<bytes>.wav". The vocabulary editor TForm3
// fills it and gets the texts back on "Schliessen"; the start screen's list
// editor opens it empty and takes the transcription for its next entry.
#include "ui/Phonetic.h"

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TForm25 : public QWidget {
    Q_OBJECT
public:
    explicit TForm25(QWidget* parent = nullptr);

    // Disables `opener`, shows this window; closing shows the opener again.
    // `handBack`, if given, receives the transcription on "Schliessen".
    void openFrom(QWidget* opener, tavrio::PhoneticHandBack handBack = {});
    // The vocabulary editor's copy into this window.
    void setTexts(const QString& original, const QString& translation, const std::string& phonetic);

    const std::string& transcription() const;
    // True while a playback's pieces are still being played.
    bool playing() const { return playing_; }

public slots:
    void AddSign();       // every sign button
    void Button95Click(); // "Letzter Weg"
    void Button2Click();  // "Abspielen"
    void Button1Click();  // "Schliessen"

signals:
    // The last piece of a playback has ended (or could not be played).
    void playbackFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void playNext(unsigned generation);

    QLineEdit* Original;
    QLineEdit* Uebersetzung;
    tavrio::cPhoneticEdit* Lautschrift;
    QLabel* Label3;
    QListWidget* ListBox2;
    QPushButton* Button95;
    QPushButton* Button2;
    QPushButton* Button1;

    QWidget* opener_ = nullptr;
    tavrio::PhoneticHandBack handBack_;
    unsigned generation_ = 0;
    bool playing_ = false;
};
