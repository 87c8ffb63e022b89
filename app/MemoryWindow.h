#pragma once
// TForm13: the memory placeholder. Nothing opens it; "Zurück" shows and
// enables the children's room.
#include <QWidget>

class QCloseEvent;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

public slots:
    void Button1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
};
