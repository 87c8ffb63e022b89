#pragma once
// TForm6, "Vokabeln - Grammatik": a plain text editor for grammar notes
// (".gra" files). "Laden" reads a file into the memo, "Speichern" writes the
// memo back; "Zurück" returns to the window that opened it.
#include "exercises/frame/ExerciseWindow.h"

#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm6 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The memo's lines as engine bytes; an empty memo has none.
    std::vector<std::string> memoLines() const;

public slots:
    void LadenClick();
    void SpeichernClick();

protected:
    QWidget* returnTarget() const override;
    void showEvent(QShowEvent* event) override;
    // The memo was edited since it was last loaded or saved.
    bool unsavedChanges() const override;

private:
    void setMemoLines(const std::vector<std::string>& lines);

    QLineEdit* dateiname;
    QPlainTextEdit* Memo1;
    QPushButton* Laden;
    QPushButton* Speichern;
};
