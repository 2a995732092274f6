#include "widget.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLCDNumber>
#include <QVBoxLayout>

#include <cmath>

// The spin box signal that carries the new value as text. Qt 6 removed
// valueChanged(QString); its textChanged(QString) is sent on every value
// change with the same text.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#define VALUE_AS_TEXT_CHANGED SIGNAL(textChanged(QString))
#else
#define VALUE_AS_TEXT_CHANGED SIGNAL(valueChanged(QString))
#endif

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
    labelF = new QLabel("f Hz");
    labelL = new QLabel("L Hn");
    labelC = new QLabel("C F");

    lcdF = new QLCDNumber;
    lcdF->setDigitCount(5);
    lcdF->setSegmentStyle(QLCDNumber::Flat);

    // Six decimals before the range: with the default two, the minimum of
    // 0.000001 would be rounded to 0 and a zero input would give an
    // infinite frequency.
    spinL = new QDoubleSpinBox;
    spinL->setDecimals(6);
    spinL->setRange(0.000001, 100000);
    spinC = new QDoubleSpinBox;
    spinC->setDecimals(6);
    spinC->setRange(0.000001, 100000);

    spinL->setValue(1.0);
    spinC->setValue(1.0);

    slotLC(QString());

    connect(spinL, VALUE_AS_TEXT_CHANGED, this, SLOT(slotLC(QString)));
    connect(spinC, VALUE_AS_TEXT_CHANGED, this, SLOT(slotLC(QString)));

    QVBoxLayout *layout = new QVBoxLayout;
    layout->addWidget(labelF);
    layout->addWidget(lcdF);
    layout->addWidget(labelL);
    layout->addWidget(spinL);
    layout->addWidget(labelC);
    layout->addWidget(spinC);
    setLayout(layout);
}

void Widget::slotLC(QString)
{
    const double l = spinL->value();
    const double c = spinC->value();
    lcdF->display(1 / (6.28 * std::sqrt(c * l)));
}
