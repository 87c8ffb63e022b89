#pragma once
// A counter kept in a (usually hidden) edit, as the exercise windows keep
// their state in components: any integer is stored unchanged, and a text
// that is not a decimal integer reads as 0.
#include <QLineEdit>

class cCounterField : public QLineEdit {
    Q_OBJECT
public:
    explicit cCounterField(const QString& name, QWidget* parent);

    int value() const;
    void setValue(int v);
    // Counts up by one from whatever value() reads.
    void increment() { setValue(value() + 1); }
};
