#pragma once
// A picture that reports a left click, used for the clickable cells and
// areas drawn over the backgrounds.
#include <QLabel>

class cClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit cClickablePicture(const QString& name, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
