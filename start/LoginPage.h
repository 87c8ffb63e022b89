#pragma once
// Page 0 of the start screen (TabSheet1): choose or create a profile and
// log in.
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFormStart;

namespace tavrio {

class cPictureArea;

class cLoginPage : public QWidget {
    Q_OBJECT
public:
    explicit cLoginPage(TFormStart* owner);

    // Loads the background (page entered).
    void enter();
    void releaseBackground();
    // Fills ComboBox1 with "Neues Profil" and the profiles, selects the one
    // named in Edit1, else the remembered one, else the last, and runs
    // ComboBox1Change.
    void listProfiles();
    // Selects the remembered profile, when the value can be read.
    void selectRememberedProfile();

public slots:
    void ComboBox1Change();
    void Button3Click();   // "Erstellen"
    void Button2Click();   // "Und los gehts ..."
    void Button1Click();   // quit

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Return in the name field creates the profile and goes no further.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectProfile(int index);

    TFormStart* owner_;
    cPictureArea* Image1;
    QComboBox* ComboBox1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button3;
    QPushButton* Button2;
    QPushButton* Button1;
    cPictureArea* Label7;
    cPictureArea* Label8;
};

} // namespace tavrio
