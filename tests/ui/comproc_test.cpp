// The numeric fields' character filter and number conversion, with a full stop, a comma
// and a separator above code 255 as the decimal separator.
#include "comproc.h"
#include "numformat.h"

#include <QLineEdit>
#include <QTest>

class TComProcTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetDecimalSeparator(QString()); }

    void numChars_data();
    void numChars();
    void tryStrToNum_data();
    void tryStrToNum();
    void tryStrToNumSystemSeparator();
    void filterWrittenText_data();
    void filterWrittenText();
    void filterLongPaste();
};

namespace
{
const QString ArabicSeparator = QString(QChar(0x066B)); // U+066B, 0x6B is 'k'
} // namespace

void TComProcTest::numChars_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("allowed");

    const QString point = QStringLiteral(".");
    const QString comma = QStringLiteral(",");
    QTest::newRow("digit 0") << point << "0" << true;
    QTest::newRow("minus") << point << "-" << true;
    QTest::newRow("plus") << point << "+" << false;
    QTest::newRow("point, point separator") << point << "." << true;
    QTest::newRow("comma, point separator") << point << "," << false;
    QTest::newRow("comma, comma separator") << comma << "," << true;
    QTest::newRow("point, comma separator") << comma << "." << false;
    QTest::newRow("wide separator itself") << ArabicSeparator << ArabicSeparator << true;
    QTest::newRow("wide separator modulo 256") << ArabicSeparator << "k" << false;
    QTest::newRow("other wide character") << ArabicSeparator << QString(QChar(0x0660)) << false;
}

void TComProcTest::numChars()
{
    QFETCH(QString, separator);
    QFETCH(QString, character);
    QFETCH(bool, allowed);
    SetDecimalSeparator(separator);
    QCOMPARE(NumChars().Contains(character[0]), allowed);
}

void TComProcTest::tryStrToNum_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    const QString p = QStringLiteral(".");
    const QString c = QStringLiteral(",");
    QTest::newRow("integer") << p << "500" << true << 500.0;
    QTest::newRow("fraction") << p << "12.5" << true << 12.5;
    QTest::newRow("negative") << p << "-5" << true << -5.0;
    QTest::newRow("plus sign") << p << "+7" << true << 7.0;
    QTest::newRow("leading blanks") << p << "  42" << true << 42.0;
    QTest::newRow("trailing blank") << p << "42 " << false << 0.0;
    QTest::newRow("blank inside") << p << "4 2" << false << 0.0;
    QTest::newRow("point then digits") << p << ".5" << true << 0.5;
    QTest::newRow("digits then point") << p << "5." << true << 5.0;
    QTest::newRow("point alone") << p << "." << true << 0.0;
    QTest::newRow("minus point") << p << "-." << true << 0.0;
    QTest::newRow("exponent") << p << "1.5e3" << true << 1500.0;
    QTest::newRow("exponent without digits") << p << "1e" << false << 0.0;
    QTest::newRow("exponent alone") << p << "e5" << false << 0.0;
    QTest::newRow("empty") << p << "" << false << 0.0;
    QTest::newRow("minus alone") << p << "-" << false << 0.0;
    QTest::newRow("minus inside") << p << "5-3" << false << 0.0;
    QTest::newRow("two points") << p << "1.2.3" << false << 0.0;
    QTest::newRow("letter") << p << "12a" << false << 0.0;
    QTest::newRow("overflow") << p << "1e400" << false << 0.0;
    QTest::newRow("many digits") << p << "000000000000000000000000000012.50000000000000000000"
                                 << true << 12.5;
    QTest::newRow("comma, point separator") << p << "12,5" << false << 0.0;
    QTest::newRow("comma separator") << c << "12,5" << true << 12.5;
    // With a comma separator a point is still read, as the parser's own decimal point.
    QTest::newRow("point, comma separator") << c << "12.5" << true << 12.5;
    QTest::newRow("wide separator")
        << ArabicSeparator << QString("12" + ArabicSeparator + "5") << true << 12.5;
    QTest::newRow("wide separator, comma") << ArabicSeparator << "12,5" << false << 0.0;
    QTest::newRow("non-ASCII digits") << p << QString(QChar(0x0661)) << false << 0.0;
}

void TComProcTest::tryStrToNum()
{
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    SetDecimalSeparator(separator);
    double result = -1.0;
    QCOMPARE(TryStrToNum(text, result), ok);
    QCOMPARE(result, value);
}

// Run once with a full stop and once with the Estonian locale: what Format writes, the
// conversion reads back.
void TComProcTest::tryStrToNumSystemSeparator()
{
    for (double v : {0.0, 45.0, 550.0, 1999.95, 0.05}) {
        const QString text = FormatFloat(v, 2);
        double result = -1.0;
        QVERIFY2(TryStrToNum(text, result), qPrintable(text));
        QCOMPARE(result, v);
    }
}

void TComProcTest::filterWrittenText_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");

    const QString p = QStringLiteral(".");
    const QString c = QStringLiteral(",");
    QTest::newRow("clean") << p << "-12.5"
                           << "-12.5" << 5;
    QTest::newRow("letter inside") << p << "12a3"
                                   << "123" << 2;
    QTest::newRow("blanks between digits") << p << "1 2 3"
                                           << "123" << 1;
    QTest::newRow("last character") << p << "12a"
                                    << "12" << 2;
    QTest::newRow("first character") << p << "a12"
                                     << "12" << 0;
    QTest::newRow("only junk") << p << "ab"
                               << "" << 0;
    QTest::newRow("order not checked") << p << "5-3"
                                       << "5-3" << 3;
    QTest::newRow("comma, point separator") << p << "12,5"
                                            << "125" << 2;
    QTest::newRow("point, comma separator") << c << "12.5"
                                            << "125" << 2;
    QTest::newRow("comma separator") << c << "12,5"
                                     << "12,5" << 4;
    QTest::newRow("exponent and plus") << p << "+1e5"
                                       << "15" << 0;
    QTest::newRow("Estonian letters") << p << QString::fromUtf8("1õ2ä") << "12" << 1;
    QTest::newRow("wide separator kept") << ArabicSeparator << QString("1" + ArabicSeparator + "5")
                                         << QString("1" + ArabicSeparator + "5") << 3;
    QTest::newRow("wide separator's low byte") << ArabicSeparator << "1k5"
                                               << "15" << 1;
}

void TComProcTest::filterWrittenText()
{
    QFETCH(QString, separator);
    QFETCH(QString, written);
    QFETCH(QString, text);
    QFETCH(int, caret);
    SetDecimalSeparator(separator);
    QLineEdit edit;
    int changes = 0;
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&] {
        ++changes;
        FilterNumEdit(&edit);
    });
    edit.setText(written);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.cursorPosition(), caret);
    QVERIFY(!edit.hasSelectedText());
    // The write itself, and one more write when anything was removed.
    QCOMPARE(changes, written == text ? 1 : 2);
}

// A field's longest text, all of it junk but one digit: the filter must finish at once, not
// nest a call per character, and leave that digit.
void TComProcTest::filterLongPaste()
{
    SetDecimalSeparator(QStringLiteral("."));
    QLineEdit edit;
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&] { FilterNumEdit(&edit); });
    QString junk(edit.maxLength() - 1, QLatin1Char('x'));
    junk.insert(100, QLatin1Char('7'));
    edit.setText(junk);
    QCOMPARE(edit.text(), QStringLiteral("7"));
    QCOMPARE(edit.cursorPosition(), 0);
}

QTEST_MAIN(TComProcTest)
#include "comproc_test.moc"
