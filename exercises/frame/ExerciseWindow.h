#pragma once
// The frame every exercise window shares: a borderless white window of a
// fixed size whose background picture is loaded when it is shown and
// released when it closes; "Zurück" closes it, gives control back to the
// window that opened it and saves the learner's progress; a help button shows the exercise's help picture;
// the counters woerter / falsch; the file name field; the crib "Spicker".
// A window adds only the pieces it has, through the add* functions.
#include "exercises/frame/CounterField.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class cExerciseWindow : public QWidget {
    Q_OBJECT
public:
    // The opener disables itself; this window is shown and enabled. On close
    // the opener is shown and enabled again.
    void openFrom(QWidget* opener);
    QWidget* opener() const { return opener_; }

    // Switched by the options window; off until then.
    void setCribEnabled(bool enabled);
    bool cribEnabled() const;
    void setFileName(const QString& name);
    QString fileName() const;

    // Left edge = x - width / 2 once the label has sized itself to its text.
    static void centreLabel(QLabel* label, int x);
    // A smaller font (from pixelSize down to 10 px) until `text` fits `width`.
    static void fitFont(QWidget* w, const QString& text, int pixelSize, int width);

public slots:
    // "Zurück": closes the window.
    void Button1Click();
    void SpickerClick();
    void helpClick();

protected:
    cExerciseWindow(QWidget* parent, const QString& name, QSize clientSize);

    // Background picture at (0, 0), sized to its picture while shown.
    QLabel* addBackground(const QString& windowsPath, const QString& name = QStringLiteral("Image1"));
    QPushButton* addBackButton(const QRect& geometry, const QString& name = QStringLiteral("Button1"));
    QPushButton* addHelpButton(const QRect& geometry, const QString& windowsPath,
                               const QString& name = QStringLiteral("Button3"));
    // Hidden counters "woerter" and "falsch".
    void addCounters();
    // The label "Vokabeln aus der Datei :" and the disabled edit "dateiname".
    QLineEdit* addFileName(QPoint labelAt);
    // The crib button, disabled until switched on; it scrambles `expected`.
    QPushButton* addCrib(const QRect& geometry, QLineEdit* expected);
    QLabel* addLabel(const QString& text, QPoint at, const QString& name = {}, int pixelSize = 0);
    // A hidden edit holding state (e.g. "richtiguebersetzt").
    QLineEdit* addHiddenEdit(const QString& name);

    cCounterField* woerter() const { return woerter_; }
    cCounterField* falsch() const { return falsch_; }

    // Where "Zurück" leads: the opener unless a window says otherwise.
    virtual QWidget* returnTarget() const { return opener_; }
    // Work that closing would throw away; closing then asks first.
    virtual bool unsavedChanges() const { return false; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc acts like "Zurück".
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* opener_ = nullptr;
    QLabel* background_ = nullptr;
    QString backgroundPath_;
    QString helpPath_;
    QPushButton* crib_ = nullptr;
    QLineEdit* cribSource_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    cCounterField* woerter_ = nullptr;
    cCounterField* falsch_ = nullptr;
};
