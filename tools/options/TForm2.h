#pragma once
// TForm2, "Vokabeln - Optionen", opened by the entrance's door "Optionen".
// It chooses the list file that every exercise window names, switches the
// cribs of three exercises, and opens the vocabulary editor, the level
// editor, the grammar notes and the single query. It keeps nothing on disk:
// what it changes lives in the other windows' controls. Closing it returns
// to the entrance.
#include "exercises/frame/ExerciseWindow.h"

#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TForm2 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The windows whose file name field a file choice fills, in this order.
    static const QStringList& fileNameWindows();

public slots:
    void Button2Click();   // "andere Datei auswählen"
    void Button4Click();   // "Datei editieren": the vocabulary editor
    void Button5Click();   // the level editor
    void Button3Click();   // "Hilfe"
    void ckerClick();      // crib of the single query
    void LernspielspickerClick();
    void KreuzwortraetselspickerClick();
    void EinzelabfrageClick();  // the single query on the chosen file
    void GrammatikClick();      // the grammar notes

protected:
    QWidget* returnTarget() const override;

private:
    QLineEdit* Dateiname;
    QCheckBox* Einzelabfragespicker;
    QCheckBox* Lernspielspicker;
    QCheckBox* Kreuzwortraetselspicker;
};
