#include "widget.h"

#include <QDoubleSpinBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

// The window's parts, found the way the user sees them: by their place in
// the column, top to bottom.
struct Window
{
    Widget widget;

    template <typename T>
    T *at(int row) const
    {
        return qobject_cast<T *>(widget.layout()->itemAt(row)->widget());
    }

    QLCDNumber *lcd() const { return at<QLCDNumber>(1); }
    QDoubleSpinBox *input(const QString &quantity) const
    {
        return at<QDoubleSpinBox>(quantity == "L" ? 3 : 5);
    }
};

// The expected values are given to seven significant digits.
void verifyFrequency(double actual, double expected)
{
    QVERIFY2(std::abs(actual - expected) <= 1e-6 * expected,
             qPrintable(QString("shows %1, expected %2")
                            .arg(actual, 0, 'g', 10)
                            .arg(expected, 0, 'g', 10)));
}

} // namespace

class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void construction();
    void frequency_data();
    void frequency();
    void inputsClampToTheirRange_data();
    void inputsClampToTheirRange();
    void typedZeroIsNotAccepted_data();
    void typedZeroIsNotAccepted();
    void userEditsUpdateTheDisplay_data();
    void userEditsUpdateTheDisplay();
    void slotTextDoesNotChangeTheResult_data();
    void slotTextDoesNotChangeTheResult();
    void deletingTheWindowDeletesItsParts();
    void randomEditsKeepTheDisplayExact();
};

void TestWidget::initTestCase()
{
    // Typed numbers below use a decimal point, whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
}

void TestWidget::construction()
{
    Window w;

    QCOMPARE(w.widget.layout()->count(), 6);
    QCOMPARE(w.at<QLabel>(0)->text(), QString("f Hz"));
    QVERIFY(w.lcd());
    QCOMPARE(w.at<QLabel>(2)->text(), QString("L Hn"));
    QVERIFY(w.input("L"));
    QCOMPARE(w.at<QLabel>(4)->text(), QString("C F"));
    QVERIFY(w.input("C"));
    QVERIFY(w.input("L") != w.input("C"));

    QCOMPARE(w.lcd()->digitCount(), 5);
    QCOMPARE(w.lcd()->segmentStyle(), QLCDNumber::Flat);

    for (const QString quantity : {"L", "C"}) {
        const QDoubleSpinBox *input = w.input(quantity);
        QCOMPARE(input->decimals(), 6);
        QCOMPARE(input->minimum(), 0.000001);
        QCOMPARE(input->maximum(), 100000.0);
        QCOMPARE(input->value(), 1.0);
    }

    // Shown from the start, before the window has processed any event.
    verifyFrequency(w.lcd()->value(), 0.1592357);
}

void TestWidget::frequency_data()
{
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("f");

    QTest::newRow("start values, 1/6.28 rather than 1/(2 pi)") << 1.0 << 1.0 << 0.1592357;
    QTest::newRow("10 mH, 10 mF") << 0.01 << 0.01 << 15.92357;
    QTest::newRow("2 H, 8 F") << 2.0 << 8.0 << 0.03980892;
    QTest::newRow("8 H, 2 F: swapped, same f") << 8.0 << 2.0 << 0.03980892;
    QTest::newRow("1 mH, 1 uF") << 0.001 << 0.000001 << 5035.474;
    QTest::newRow("both at the upper bound") << 100000.0 << 100000.0 << 1.592357e-6;
    QTest::newRow("both at the lower bound") << 0.000001 << 0.000001 << 159235.7;
}

void TestWidget::frequency()
{
    QFETCH(double, l);
    QFETCH(double, c);
    QFETCH(double, f);
    Window w;

    w.input("L")->setValue(l);
    w.input("C")->setValue(c);

    verifyFrequency(w.lcd()->value(), f);
}

void TestWidget::inputsClampToTheirRange_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("held");
    QTest::addColumn<double>("f");

    for (const QString quantity : {"L", "C"}) {
        QTest::addRow("%s = 0", qPrintable(quantity)) << quantity << 0.0 << 0.000001 << 159.2357;
        QTest::addRow("%s = -5", qPrintable(quantity)) << quantity << -5.0 << 0.000001 << 159.2357;
        QTest::addRow("%s = 1e-7", qPrintable(quantity)) << quantity << 1e-7 << 0.000001 << 159.2357;
        QTest::addRow("%s = 1e6", qPrintable(quantity)) << quantity << 1e6 << 100000.0 << 0.0005035474;
    }
}

void TestWidget::inputsClampToTheirRange()
{
    QFETCH(QString, quantity);
    QFETCH(double, set);
    QFETCH(double, held);
    QFETCH(double, f);
    Window w;

    w.input(quantity)->setValue(set);

    QCOMPARE(w.input(quantity)->value(), held);
    verifyFrequency(w.lcd()->value(), f);
}

void TestWidget::typedZeroIsNotAccepted_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("typed");

    for (const QString quantity : {"L", "C"}) {
        for (const QString typed : {"0", "0.000000", "0.0000001"})
            QTest::addRow("%s: %s", qPrintable(quantity), qPrintable(typed)) << quantity << typed;
    }
}

void TestWidget::typedZeroIsNotAccepted()
{
    QFETCH(QString, quantity);
    QFETCH(QString, typed);
    Window w;
    QDoubleSpinBox *input = w.input(quantity);

    input->selectAll();
    QTest::keyClicks(input, typed);
    QTest::keyClick(input, Qt::Key_Return);

    QVERIFY2(input->value() >= 0.000001, qPrintable(input->text()));
    QVERIFY(std::isfinite(w.lcd()->value()));
}

void TestWidget::userEditsUpdateTheDisplay_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QTestEventList>("edit");
    QTest::addColumn<double>("f");

    const auto typing = [](const QString &text) {
        QTestEventList events;
        events.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        events.addKeyClicks(text);
        return events;
    };
    const auto pressing = [](Qt::Key key) {
        QTestEventList events;
        events.addKeyClick(key);
        return events;
    };

    for (const QString quantity : {"L", "C"}) {
        const QByteArray q = quantity.toLatin1();
        QTest::addRow("%s: type 2", q.data()) << quantity << typing("2") << 0.1125966;
        QTest::addRow("%s: type 0.001", q.data()) << quantity << typing("0.001") << 5.035474;
        QTest::addRow("%s: type 0.25", q.data()) << quantity << typing("0.25") << 0.3184713;
        QTest::addRow("%s: arrow up", q.data()) << quantity << pressing(Qt::Key_Up) << 0.1125966;
        QTest::addRow("%s: page up", q.data()) << quantity << pressing(Qt::Key_PageUp) << 0.04801136;
    }
}

void TestWidget::userEditsUpdateTheDisplay()
{
    QFETCH(QString, quantity);
    QFETCH(QTestEventList, edit);
    QFETCH(double, f);
    Window w;

    edit.simulate(w.input(quantity));

    verifyFrequency(w.lcd()->value(), f);
}

void TestWidget::slotTextDoesNotChangeTheResult_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("the inputs' own text") << QString("2.000000");
    QTest::newRow("another number") << QString("1000");
    QTest::newRow("zero") << QString("0");
    QTest::newRow("not a number") << QString("f Hz");
}

void TestWidget::slotTextDoesNotChangeTheResult()
{
    QFETCH(QString, text);
    Window w;
    w.input("L")->setValue(2);
    w.input("C")->setValue(8);
    w.lcd()->display(0);

    QVERIFY(QMetaObject::invokeMethod(&w.widget, "slotLC", Q_ARG(QString, text)));

    verifyFrequency(w.lcd()->value(), 0.03980892);
}

void TestWidget::deletingTheWindowDeletesItsParts()
{
    // Qt lists every widget that exists, so a widget the window made but
    // did not adopt is caught here even though nothing else points at it.
    const int widgetsBefore = QApplication::allWidgets().size();
    auto *widget = new Widget;
    QList<QPointer<QObject>> parts{widget->layout()};
    for (int row = 0; row < widget->layout()->count(); ++row)
        parts << widget->layout()->itemAt(row)->widget();
    QCOMPARE(parts.size(), 7);

    delete widget;

    for (const QPointer<QObject> &part : parts)
        QVERIFY(part.isNull());
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
}

void TestWidget::randomEditsKeepTheDisplayExact()
{
    // Each run tries new edits; LC_SOAK_SEED repeats the run of a given seed.
    bool seedGiven = false;
    quint32 seed = qEnvironmentVariable("LC_SOAK_SEED").toUInt(&seedGiven);
    if (!seedGiven)
        seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);

    const QString characters = "0123456789012345678901234567890123456789-+.., eEx";
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                            Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Return};
    Window w;

    for (int step = 1; step <= 400; ++step) {
        const QString quantity = random.bounded(2) ? "L" : "C";
        QDoubleSpinBox *input = w.input(quantity);
        QString edit;
        switch (random.bounded(3)) {
        case 0: {
            // Across the whole range, and a decade past either end.
            const double value = std::pow(10.0, -7.0 + random.bounded(13.0));
            edit = QString("set %1").arg(value, 0, 'g', 17);
            input->setValue(value);
            break;
        }
        case 1: {
            const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
            edit = QString("key %1").arg(QKeySequence(key).toString());
            QTest::keyClick(input, key);
            break;
        }
        default: {
            QString typed;
            for (int n = 1 + random.bounded(8); n > 0; --n)
                typed += characters.at(random.bounded(characters.size()));
            if (random.bounded(2)) {
                edit = "select all, ";
                input->selectAll();
            }
            edit += QString("type \"%1\"").arg(typed);
            QTest::keyClicks(input, typed);
            break;
        }
        }

        const double l = w.input("L")->value();
        const double c = w.input("C")->value();
        const double shown = w.lcd()->value();
        QVERIFY2(std::isfinite(shown) && shown == 1 / (6.28 * std::sqrt(l * c)),
                 qPrintable(QString("seed %1, step %2 (%3 on %4): L = %5, C = %6, shown %7")
                                .arg(seed)
                                .arg(step)
                                .arg(edit, quantity)
                                .arg(l, 0, 'g', 17)
                                .arg(c, 0, 'g', 17)
                                .arg(shown, 0, 'g', 17)));
    }
}

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
