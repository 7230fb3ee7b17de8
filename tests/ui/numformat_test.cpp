// printf-style texts with the user's decimal separator, whatever the process locale.
#include "numformat.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<TFormatArg>)

class TNumFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetDecimalSeparator(QString()); }

    void formatFloat_data();
    void formatFloat();
    void format_data();
    void format();
    void systemSeparator();
};

void TNumFormatTest::formatFloat_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    const QString p = QStringLiteral(".");
    const QString c = QStringLiteral(",");
    QTest::newRow("one decimal") << p << 500.0 << 1 << "500.0";
    QTest::newRow("two decimals") << p << 550.0 << 2 << "550.00";
    QTest::newRow("rounds up") << p << 16.666666 << 1 << "16.7";
    // The value held, not the decimal text typed, decides: 2.675 is 2.67499999...
    QTest::newRow("binary below the tie") << p << 2.675 << 2 << "2.67";
    QTest::newRow("exact tie to even") << p << 0.125 << 2 << "0.12";
    QTest::newRow("carry into integer") << p << 1999.96 << 1 << "2000.0";
    QTest::newRow("negative") << p << -5.0 << 1 << "-5.0";
    QTest::newRow("negative rounds to zero") << p << -0.04 << 1 << "-0.0";
    QTest::newRow("no grouping") << p << 1234567.0 << 1 << "1234567.0";
    QTest::newRow("comma") << c << 16.666666 << 1 << "16,7";
    QTest::newRow("comma negative") << c << -12.5 << 2 << "-12,50";
    QTest::newRow("wide separator")
        << QString(QChar(0x066B)) << 1.5 << 1 << QString("1" + QString(QChar(0x066B)) + "5");
}

void TNumFormatTest::formatFloat()
{
    QFETCH(QString, separator);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    SetDecimalSeparator(separator);
    QCOMPARE(FormatFloat(value, decimals), text);
}

void TNumFormatTest::format_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<std::vector<TFormatArg>>("args");
    QTest::addColumn<QString>("text");

    const QString p = QStringLiteral(".");
    const QString c = QStringLiteral(",");
    using Args = std::vector<TFormatArg>;
    QTest::newRow("range message")
        << p << QByteArray("Ristlõike kõrgus peaks olema arv: %.1f..%.1f") << Args{0.0, 2000.0}
        << QString::fromUtf8("Ristlõike kõrgus peaks olema arv: 0.0..2000.0");
    QTest::newRow("range message, comma")
        << c << QByteArray("Arvutuslik kaitsekiht peaks olema arv: %.1f..%.1f") << Args{0.0, 250.0}
        << QString::fromUtf8("Arvutuslik kaitsekiht peaks olema arv: 0,0..250,0");
    QTest::newRow("bars") << c << QByteArray("Valitud tõmbearmatuur: %d x %d, As,prov = %.2f cm2")
                          << Args{6, 32, 48.2548}
                          << QString::fromUtf8("Valitud tõmbearmatuur: 6 x 32, As,prov "
                                               "= 48,25 cm2");
    QTest::newRow("negative int") << p << QByteArray("%d") << Args{-12} << "-12";
    QTest::newRow("percent") << p << QByteArray("%d %%") << Args{5} << "5 %";
    QTest::newRow("plain f is six decimals") << p << QByteArray("%f") << Args{1.5} << "1.500000";
    QTest::newRow("int for f") << p << QByteArray("a %.1f b") << Args{3} << "a ? b";
    QTest::newRow("missing argument") << p << QByteArray("%.1f..%.1f") << Args{1.0} << "1.0..?";
    QTest::newRow("unknown conversion") << p << QByteArray("%s!") << Args{1} << "?!";
}

void TNumFormatTest::format()
{
    QFETCH(QString, separator);
    QFETCH(QByteArray, format);
    QFETCH(std::vector<TFormatArg>, args);
    QFETCH(QString, text);
    SetDecimalSeparator(separator);
    QString result;
    switch (args.size()) {
    case 0:
        result = Format(format.constData());
        break;
    case 1:
        result = Format(format.constData(), {args[0]});
        break;
    case 2:
        result = Format(format.constData(), {args[0], args[1]});
        break;
    default:
        result = Format(format.constData(), {args[0], args[1], args[2]});
        break;
    }
    QCOMPARE(result, text);
}

// The regional separator: a comma under the Estonian locale, a full stop under C; never
// the process locale's printf (QApplication has set it from LC_ALL by now).
void TNumFormatTest::systemSeparator()
{
    const bool estonian = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("et_EE"));
    const QString expected = estonian ? QStringLiteral(",") : QStringLiteral(".");
    QCOMPARE(DecimalSeparator(), expected);
    QCOMPARE(Format("fcd = %.1f MPa", {16.666666}), QString("fcd = 16" + expected + "7 MPa"));
    SetDecimalSeparator(QStringLiteral(";"));
    QCOMPARE(DecimalSeparator(), QStringLiteral(";"));
    SetDecimalSeparator(QString());
    QCOMPARE(DecimalSeparator(), expected);
}

QTEST_MAIN(TNumFormatTest)
#include "numformat_test.moc"
