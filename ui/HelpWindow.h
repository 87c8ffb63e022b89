#pragma once
// TForm15: the shared help window. A window's help button loads its help
// picture into `Thema` and shows this window; "Schliessen" (or Esc) closes
// it and drops the picture.
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

class TForm15 : public QWidget {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);

    // Loads a picture named as the windows name it ("Hilfe\\Garten.bmp");
    // a missing file shows an empty picture.
    void showPicture(const QString& windowsPath);
    QString currentPicture() const { return current_; }

public slots:
    void SchliessenClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Thema;
    QPushButton* Schliessen;
    QString current_;
    QPointer<QWidget> caller_;
};

namespace tavrio {
// Loads `windowsPath` into the program's help window and shows it.
void showHelp(const QString& windowsPath);
}
