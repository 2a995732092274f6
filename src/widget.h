#ifndef WIDGET_H
#define WIDGET_H

#include <QString>
#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QLCDNumber;

// The calculator window: the frequency caption and display, then the caption
// and input of the inductance L and of the capacitance C, in one column.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);

public slots:
    // Shows f = 1 / (6.28 * sqrt(L * C)) for the current inputs; the text is
    // only there to match the spin boxes' signal and is ignored.
    void slotLC(QString s);

private:
    QLCDNumber *lcdF;
    QDoubleSpinBox *spinL;
    QDoubleSpinBox *spinC;
    QLabel *labelF;
    QLabel *labelL;
    QLabel *labelC;
};

#endif
