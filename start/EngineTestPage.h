#pragma once
// Page 2 of the start screen (TabSheet3): drives the learning engine by hand
// and writes one trace line per action into Memo1. Reached only through the
// hidden "Testlogin" button (Button10) that this page puts on the login page.
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFormStart;

namespace tavrio {

class cLoginPage;

class cEngineTestPage : public QWidget {
    Q_OBJECT
public:
    cEngineTestPage(TFormStart* owner, cLoginPage* login);

public slots:
    void TabSheet3Show();   // page entered: first difficulty chosen
    void Button10Click();   // "Testlogin" on the login page
    void Button11Click();   // "Zurück"
    void Button12Click();   // "Gib Wort aus"
    void Button13Click();   // "AddVok-File"
    void Button14Click();   // "Ist das richtig?"
    void Button15Click();   // difficulty of (Edit7, Edit8)
    void Button16Click();   // save the profile
    void Button17Click();   // answer check ignoring the case of a-z

private:
    void trace(const QString& line);
    // Trace line of an answer check: "... --> JUP! <difficulty>" or "NÖÖ!".
    void traceCheck(bool right);

    TFormStart* owner_;
    cLoginPage* login_;
    QComboBox* ComboBox3;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QPlainTextEdit* Memo1;
};

} // namespace tavrio
