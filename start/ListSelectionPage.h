#pragma once
// Page 3 of the start screen (Tab_Vokabelauswahl): tick the lists to
// practise and enter the house. Ticked lists without a word marked for
// practice keep the learner on the page with a message.
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class TFormStart;

namespace tavrio {

class cPictureArea;
class cTickList;

// "Los gehts" with ticked lists that hold no word marked for practice.
extern const QString kNothingMarked;

class cListSelectionPage : public QWidget {
    Q_OBJECT
public:
    explicit cListSelectionPage(TFormStart* owner);

    // Page entered: background, empties the session's words, lists the
    // "*.vok" files unticked and selects the first.
    void enter();
    void releaseBackground();
    // Fills the hidden ComboBox4 with the list names and selects the first.
    void fillListMemory();
    // Selects the remembered list in ComboBox4, when the value can be read.
    void selectRememberedList();

public slots:
    void Vokabelnauswahl_LosGehtsClick();
    void Button4Click();    // "Vokabeln eingeben / verwalten"
    void Button30Click();   // "Einstellungen"
    void Image2Click();     // back to the login
    void ComboBox4Change();

protected:
    // Enabled again when the house closes: the bars take in the answers
    // given there.
    void changeEvent(QEvent* event) override;

private:
    TFormStart* owner_;
    cPictureArea* Image3;
    cTickList* CheckListBox1;
    cPictureArea* Label9;
    QPushButton* Vokabelnauswahl_LosGehts;
    QPushButton* Button4;
    QPushButton* Button30;
    cPictureArea* Image2;
    QComboBox* ComboBox4;
};

} // namespace tavrio
