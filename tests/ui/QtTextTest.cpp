#include "UiTestSupport.h"
#include "ui/Cp932Validator.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

class QtTextTest : public QObject {
    Q_OBJECT
private slots:
    void decodesJapaneseAndControlBytesUnchanged() {
        bool clean = false;
        QCOMPARE(ToQ("表ソ①ｱ\x01\x7F", &clean), QStringLiteral(u"表ソ①ｱ\u0001\u007F"));
        QVERIFY(clean);
    }
    void marksBytesThatAreNotText() {
        struct Case {
            const char* bytes;
            QString shown;
        };
        const Case cases[] = {
            {"A\x82", QStringLiteral(u"A\uFFFD")},          // lone lead byte at the end
            {"\x82" "A", QStringLiteral(u"\uFFFDA")},        // lead byte before a byte that cannot follow
            {"\xA0x", QStringLiteral(u"\uFFFDx")},           // a byte no character starts with
        };
        for (const Case& c : cases) {
            bool clean = true;
            QCOMPARE(ToQ(c.bytes, &clean), c.shown);
            QVERIFY(!clean);
        }
    }
    void encodesAndNamesTheCharacterItCannot() {
        std::string bytes = "unchanged";
        QVERIFY(FromQ(QStringLiteral(u"表①髙"), bytes));
        QCOMPARE(bytes, std::string("表①髙"));
        QString bad;
        QVERIFY(!FromQ(QStringLiteral(u"ab\U0001F600c"), bytes, &bad));
        QCOMPARE(bad, QStringLiteral(u"\U0001F600"));
        QCOMPARE(bytes, std::string("表①髙"));
        QCOMPARE(FromQLossy(QStringLiteral(u"a\u00E9b")), std::string("ab"));
        QCOMPARE(Cp932Length(QStringLiteral(u"■")), 2);
        QCOMPARE(Cp932Length(QStringLiteral(u"\u00E9")), -1);
    }
    void validatorRefusesUnencodableAndTooLongText() {
        Cp932Validator oneByte(1, nullptr);
        Cp932Validator any(0, nullptr);
        int pos = 0;
        QString text = QStringLiteral("_");
        QCOMPARE(oneByte.validate(text, pos), QValidator::Acceptable);
        text = QStringLiteral(u"あ");
        QCOMPARE(oneByte.validate(text, pos), QValidator::Invalid);
        QCOMPARE(any.validate(text, pos), QValidator::Acceptable);
        text = QStringLiteral(u"\u00E9");
        QCOMPARE(any.validate(text, pos), QValidator::Invalid);
    }
    void fileFiltersBecomeQtNameFilters() {
        const QStringList filters = ToQtNameFilters(
            "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|EXCELﾌｧｲﾙ(*.xls,*.xlsx)|*.xls;*.xlsx|"
            "全てのﾌｧｲﾙ(*.*)|*.*||");
        QCOMPARE(filters, (QStringList{QStringLiteral(u"ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat) (*.txt *.csv *.dat)"),
                                       QStringLiteral(u"EXCELﾌｧｲﾙ(*.xls,*.xlsx) (*.xls *.xlsx)"),
                                       QStringLiteral(u"全てのﾌｧｲﾙ(*.*) (*)")}));
        // The second byte of "ポ" is the byte of '|': the split must not cut it.
        QCOMPARE(ToQtNameFilters("ポ(*.a)|*.a||"), QStringList{QStringLiteral(u"ポ(*.a) (*.a)")});
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::QtTextTest)
#include "QtTextTest.moc"
