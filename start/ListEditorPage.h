#pragma once
// Page 1 of the start screen (TabSheet2): edit one vocabulary list of the
// working directory in a grid (four-line layout) and see how well the
// logged-in learner knows each pair in both directions.
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;
class TFormStart;

namespace tavrio {

class cListEditorModel;

class cListEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit cListEditorPage(TFormStart* owner);

    // Page entered: lists the "*.vok" files in ComboBox2, selects the one
    // named in Edit2 (else the last) and runs ComboBox2Change.
    void enter();
    // Unsaved toggles, cell edits, added or deleted rows.
    bool changed() const { return changed_; }
    // The phonetic transcription (Windows-1252 bytes) of the next entry
    // added with "Hinzufügen"; shown read-only in Edit5.
    void setNewEntryPhonetic(const std::string& phonetic);

public slots:
    void ComboBox2Change();
    void ggrid();                     // a click on a grid cell
    void StringGrid1SetEditText(bool lossy);
    void Button5Click();              // "Zurück"
    void Button6Click();              // "Neu"
    void Button7Click();              // "Hinzufügen"
    void Button8Click();              // "Speichern"
    void Button9Click();              // "Speichern als"
    void LautschriftButtonClick();

private:
    void loadChosenList();
    void restorePreviousChoice();
    // Writes the grid's rows; reports a failure and returns false.
    bool writeRows(const std::string& path, const QString& shownName);
    void reportReplacedCharacters();

    TFormStart* owner_;
    QComboBox* ComboBox2;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QTableView* StringGrid1;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* LautschriftButton;
    cListEditorModel* model_;

    bool changed_ = false;
    // The list shown in the grid (name bytes without ".vok"), if any, and
    // whether its existing file could not be read (it is then not
    // overwritten by "Speichern").
    bool hasList_ = false;
    std::string listBytes_;
    bool unreadable_ = false;
    std::string newPhonetic_;
};

} // namespace tavrio
