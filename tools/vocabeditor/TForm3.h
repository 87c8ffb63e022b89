#pragma once
// TForm3, "Vokabeln editieren": edits one vocabulary list in the three-line
// layout (original, translation, mark digit + transcription) outside the
// start screen. The entries live in one model (VocableModel.h) shown by three
// list views: the check list of originals (the check is the mark) and two
// hidden lists of translations and transcriptions. The model keeps every
// entry's Windows-1252 bytes, so a list that is loaded and saved unchanged is
// written back byte for byte.
#include "tools/vocabeditor/VocabularyFile.h"
#include "ui/Phonetic.h"

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QListView;
class cVocableModel;
class QPushButton;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Disables `opener` (the options window) and shows this window; closing
    // brings the opener back.
    void openFrom(QWidget* opener);
    // The options window's file choice.
    void setFileName(const QString& path);
    // The phonetic entry's hand-back on "Schliessen".
    void takeFromPhonetic(const QString& original, const QString& translation, const std::string& phonetic);

    using Entry = tavrio::vocabeditor::cVocable;
    int entryCount() const;
    Entry entry(int row) const;

public slots:
    void Button3Click(); // "Datei Öffnen"
    void Button2Click(); // "Datei Speichern"
    void Button5Click(); // "Selektiertes editieren"
    void Button4Click(); // "Editiertes enfügen"
    void Button6Click(); // "Neue Vokabel erstellen"
    void Button7Click(); // "Selektierte Vokabel löschen"
    void Button9Click(); // "Lautschrift editieren"
    void Button8Click(); // "Hilfe"
    void Button1Click(); // "Zurück"
    // The selected entry's texts into the "Aktuell selektiertes" fields.
    void VokabellisteorginalClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int selectedRow() const;
    // Where a dialog starts: the path in Dateiname, in the folder last used.
    QString dialogStart() const;

    QLabel* Image1;
    QLineEdit* Dateiname;
    cVocableModel* entries_;
    QListView* Vokabellisteorginal;
    QListView* Vokabellisteuebersetzung;
    QListView* Vokabellistelautschrift;
    QLineEdit* selectedorginal;
    QLineEdit* selecteduebersetzung;
    tavrio::cPhoneticEdit* selectedLautschrift;
    QLineEdit* Orginal;
    QLineEdit* Uebersetzung;
    tavrio::cPhoneticEdit* Lautschrift;

    QWidget* opener_ = nullptr;
    QString folder_;
    // The list was changed since it was last loaded or saved.
    bool changed_ = false;
};
