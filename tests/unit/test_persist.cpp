// The record format of the data files, the high-score scrambling, the checks
// a loaded value must pass, and the default files shipped in data/.
#include "persist/data_files.h"
#include "persist/record.h"
#include "persist/scrambling.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

std::string str(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray qbytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

std::string freshKey()
{
    return Codes_To_Text(keyTable());
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string shippedFile(const char* name)
{
    const std::string bytes = fileBytes(std::string(ORVO_SOURCE_DIR) + "/data/" + name);
    if (bytes.empty())
        qWarning("data/%s is missing or empty", name);
    return bytes;
}

} // namespace

class TestPersist : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordReader_data();
    void recordReader();
    void textRoundTrip_data();
    void textRoundTrip();
    void exactRecordBytes();
    void writingTwiceLeavesOnlySecondRecord();
    void wholeNumber_data();
    void wholeNumber();
    void highScoreFromText_data();
    void highScoreFromText();
    void readStyleRecord_data();
    void readStyleRecord();
    void loadFailureMessageNamesFileAndProblem();
    void nameFieldsReadAsBefore();
    void namesInEveryScriptRoundTrip();

    void codesToTextKeepsEveryByte();
    void emptyTextLeavesKeyUnchanged();
    void shortTextLeavesKeyAt22();
    void longTextExtendsKeyByRepeatingIt();
    void keyRepeatsEvery22Characters();
    void scramblingTwiceRestores_data();
    void scramblingTwiceRestores();
    void scrambledScoreCharactersStayInsideQuotes();
    void everyHighScoreSurvivesItsFile();

    void shippedHighDatHoldsZero();
    void shippedOrvoDatHoldsNoOne();
    void shippedStyleDatIsValid();
};

// Reads the listed fields, then asks for one more and expects the problem.
void TestPersist::recordReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("fields");
    QTest::addColumn<QByteArray>("problem");

    const QByteArray tooFew = "it has too few fields.";
    const QByteArray empty = "it is empty.";
    const QByteArray noQuote = "a text field has no closing quote.";

    QTest::newRow("styleNumbers") << QByteArray("65280,16711680,2\r\n")
                                  << QByteArrayList{"65280", "16711680", "2"} << tooFew;
    QTest::newRow("spacesAroundFields") << QByteArray("  12 ,  -3  ,x y \r\n")
                                        << QByteArrayList{"12", "-3", "x y"} << tooFew;
    QTest::newRow("quotedAndPlain") << QByteArray("\"a,b\" , 7,\"\"\r\n")
                                    << QByteArrayList{"a,b", "7", ""} << tooFew;
    QTest::newRow("emptyMiddleField") << QByteArray("1,,3")
                                      << QByteArrayList{"1", "", "3"} << tooFew;
    QTest::newRow("trailingComma") << QByteArray("1,2,\r\n") << QByteArrayList{"1", "2"} << tooFew;
    QTest::newRow("spacesOnlyName") << QByteArray("\"   \"\r\n") << QByteArrayList{"   "} << tooFew;
    QTest::newRow("quoteInsideText") << QByteArray("\"ab\"cd\"\r\n") << QByteArrayList{"ab"} << tooFew;
    QTest::newRow("fieldAfterQuoteInsideText")
        << QByteArray("\"ab\"cd\",\"e\"\r\n") << QByteArrayList{"ab", "e"} << tooFew;
    QTest::newRow("extraLinesIgnored") << QByteArray("\"Ann\"\r\n\"Bob\"\r\n")
                                       << QByteArrayList{"Ann"} << tooFew;
    QTest::newRow("crWithoutLf") << QByteArray("\"Ann\"\r\"Bob\"") << QByteArrayList{"Ann"} << tooFew;
    QTest::newRow("lfWithoutCr") << QByteArray("1\n2") << QByteArrayList{"1"} << tooFew;
    QTest::newRow("nulInText") << QByteArray("\"a\0b\"\r\n", 7)
                               << QByteArrayList{QByteArray("a\0b", 3)} << tooFew;
    QTest::newRow("nulInPlainField") << QByteArray("x\0y,1", 5)
                                     << QByteArrayList{QByteArray("x\0y", 3), "1"} << tooFew;
    QTest::newRow("highBytes") << QByteArray("\"\xF9\x80\xFF\"\r\n")
                               << QByteArrayList{"\xF9\x80\xFF"} << tooFew;
    QTest::newRow("missingClosingQuote") << QByteArray("\"Ann\r\n\"") << QByteArrayList{} << noQuote;
    QTest::newRow("secondFieldUnclosed") << QByteArray("1,\"abc") << QByteArrayList{"1"} << noQuote;
    QTest::newRow("emptyFile") << QByteArray() << QByteArrayList{} << empty;
    QTest::newRow("lineEndsOnly") << QByteArray("\r\n\r\n") << QByteArrayList{} << empty;
    QTest::newRow("spacesOnlyFile") << QByteArray("   \r\n ") << QByteArrayList{} << empty;
    QTest::newRow("blankFirstLine") << QByteArray("\r\n1,2\r\n") << QByteArrayList{} << tooFew;
}

void TestPersist::recordReader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, fields);
    QFETCH(QByteArray, problem);

    const std::string data = str(bytes);
    RecordReader reader(data);
    for (const QByteArray& expected : fields) {
        const std::optional<std::string> field = reader.nextField();
        QVERIFY2(field.has_value(), reader.problem().c_str());
        QCOMPARE(qbytes(*field), expected);
    }
    QVERIFY(!reader.nextField().has_value());
    QCOMPARE(qbytes(reader.problem()), problem);
}

// A name is written as it stands and read back up to its first quote.
void TestPersist::textRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("readBack");

    QByteArray everyOtherByte;
    for (int c = 0; c < 256; ++c) {
        if (c != '"' && c != '\r' && c != '\n')
            everyOtherByte += static_cast<char>(c);
    }

    QTest::newRow("plain") << QByteArray("<No One>") << QByteArray("<No One>");
    QTest::newRow("commaInName") << QByteArray("Smith, Jo") << QByteArray("Smith, Jo");
    QTest::newRow("quoteInName") << QByteArray("Al \"Ace\" Bo") << QByteArray("Al ");
    QTest::newRow("spacesOnly") << QByteArray("   ") << QByteArray("   ");
    QTest::newRow("emptyName") << QByteArray() << QByteArray();
    QTest::newRow("everyOtherByte") << everyOtherByte << everyOtherByte;
}

void TestPersist::textRoundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, readBack);

    const std::string record = textRecord(str(name));
    QCOMPARE(record.size(), static_cast<std::size_t>(name.size()) + 4);
    QCOMPARE(qbytes(record.substr(1, static_cast<std::size_t>(name.size()))), name);

    const Loaded<std::string> loaded = readTextRecord(record);
    QVERIFY2(loaded.value.has_value(), loaded.problem.c_str());
    QCOMPARE(qbytes(*loaded.value), readBack);
}

void TestPersist::exactRecordBytes()
{
    const std::string name = textRecord("<No One>");
    QCOMPARE(name.size(), std::size_t{12});
    QCOMPARE(qbytes(name), QByteArray("\"<No One>\"\r\n"));

    QCOMPARE(qbytes(numberRecord({65280, 16711680, 2})), QByteArray("65280,16711680,2\r\n"));
    QCOMPARE(qbytes(numberRecord({-5, 0, -32768})), QByteArray("-5,0,-32768\r\n"));
    QCOMPARE(qbytes(styleRecord({RGB(0, 255, 0), RGB(0, 0, 255), 2})),
             QByteArray("65280,16711680,2\r\n"));
}

void TestPersist::writingTwiceLeavesOnlySecondRecord()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath(kStyleFile).toStdString();

    const StyleSettings first{16777215, 16777215, -32768};
    const StyleSettings second{5, 6, 1};
    for (const StyleSettings& s : {first, second}) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << styleRecord(s);
    }

    const std::string bytes = fileBytes(path);
    QCOMPARE(qbytes(bytes), QByteArray("5,6,1\r\n"));
    const Loaded<StyleSettings> loaded = ::readStyleRecord(bytes);
    QVERIFY2(loaded.value.has_value(), loaded.problem.c_str());
    QCOMPARE(loaded.value->foreColor, second.foreColor);
    QCOMPARE(loaded.value->backColor, second.backColor);
    QCOMPARE(loaded.value->styleIndex, second.styleIndex);
}

void TestPersist::wholeNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qlonglong>("value");

    QTest::newRow("zero") << QByteArray("0") << true << 0LL;
    QTest::newRow("spacesAround") << QByteArray("  42 ") << true << 42LL;
    QTest::newRow("negative") << QByteArray("-7") << true << -7LL;
    QTest::newRow("leadingZeros") << QByteArray("007") << true << 7LL;
    QTest::newRow("largest") << QByteArray("9223372036854775807") << true
                             << std::numeric_limits<qlonglong>::max();
    QTest::newRow("smallest") << QByteArray("-9223372036854775808") << true
                              << std::numeric_limits<qlonglong>::min();
    QTest::newRow("justTooLarge") << QByteArray("9223372036854775808") << false << 0LL;
    QTest::newRow("fortyDigits") << QByteArray(40, '9') << false << 0LL;
    QTest::newRow("empty") << QByteArray() << false << 0LL;
    QTest::newRow("spacesOnly") << QByteArray("   ") << false << 0LL;
    QTest::newRow("minusOnly") << QByteArray("-") << false << 0LL;
    QTest::newRow("plusSign") << QByteArray("+5") << false << 0LL;
    QTest::newRow("decimal") << QByteArray("12.5") << false << 0LL;
    QTest::newRow("innerSpace") << QByteArray("1 2") << false << 0LL;
    QTest::newRow("spaceAfterMinus") << QByteArray("- 5") << false << 0LL;
    QTest::newRow("doubleMinus") << QByteArray("--5") << false << 0LL;
    QTest::newRow("tab") << QByteArray("\t5") << false << 0LL;
    QTest::newRow("trailingLetter") << QByteArray("5a") << false << 0LL;
}

void TestPersist::wholeNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(qlonglong, value);

    const std::optional<long long> number = ::wholeNumber(str(text));
    QCOMPARE(number.has_value(), ok);
    if (ok)
        QCOMPARE(*number, value);
}

void TestPersist::highScoreFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("score");

    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("largest") << QByteArray("32767") << true << 32767;
    QTest::newRow("spacesAround") << QByteArray(" 1020 ") << true << 1020;
    QTest::newRow("justTooLarge") << QByteArray("32768") << false << 0;
    QTest::newRow("farTooLarge") << QByteArray("40000") << false << 0;
    QTest::newRow("hugeNumber") << QByteArray(40, '9') << false << 0;
    QTest::newRow("negative") << QByteArray("-1") << false << 0;
    QTest::newRow("decimal") << QByteArray("12.5") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("spacesOnly") << QByteArray("   ") << false << 0;
    QTest::newRow("letters") << QByteArray("abc") << false << 0;
}

void TestPersist::highScoreFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(int, score);

    const Loaded<std::int16_t> loaded = ::highScoreFromText(str(text));
    QCOMPARE(loaded.value.has_value(), ok);
    if (ok) {
        QCOMPARE(int(*loaded.value), score);
    } else {
        QCOMPARE(qbytes(loaded.problem),
                 QByteArray("the high score is not a whole number from 0 to 32767."));
    }
}

void TestPersist::readStyleRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fore");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("problem");  // empty when the record is good

    const QByteArray badFore = "the fore colour is not a whole number from 0 to 16777215.";
    const QByteArray badBack = "the back colour is not a whole number from 0 to 16777215.";
    const QByteArray badStyle = "the style is not a whole number from -32768 to 32767.";

    QTest::newRow("greenBlueStyle3") << QByteArray("65280,16711680,2\r\n")
                                     << RGB(0, 255, 0) << RGB(0, 0, 255) << 2 << QByteArray();
    QTest::newRow("colourLimits") << QByteArray("0,16777215,0\r\n") << 0 << 16777215 << 0
                                  << QByteArray();
    QTest::newRow("styleSmallest") << QByteArray("1,2,-32768") << 1 << 2 << -32768 << QByteArray();
    QTest::newRow("styleLargest") << QByteArray("1,2,32767") << 1 << 2 << 32767 << QByteArray();
    QTest::newRow("styleDrawingNothing") << QByteArray("1,2,7") << 1 << 2 << 7 << QByteArray();
    QTest::newRow("spacesAndExtraLine") << QByteArray(" 1 , 2 , 0 \r\n9,9,9\r\n")
                                        << 1 << 2 << 0 << QByteArray();
    QTest::newRow("foreTooLarge") << QByteArray("16777216,0,0") << 0 << 0 << 0 << badFore;
    QTest::newRow("foreNegative") << QByteArray("-1,0,0") << 0 << 0 << 0 << badFore;
    QTest::newRow("foreNotNumber") << QByteArray("abc,0,0") << 0 << 0 << 0 << badFore;
    QTest::newRow("backTooLarge") << QByteArray("0,16777216,0") << 0 << 0 << 0 << badBack;
    QTest::newRow("backNegative") << QByteArray("0,-1,0") << 0 << 0 << 0 << badBack;
    QTest::newRow("styleTooLarge") << QByteArray("0,0,40000") << 0 << 0 << 0 << badStyle;
    QTest::newRow("styleTooSmall") << QByteArray("0,0,-32769") << 0 << 0 << 0 << badStyle;
    QTest::newRow("styleDecimal") << QByteArray("0,0,1.5") << 0 << 0 << 0 << badStyle;
    QTest::newRow("tooFewFields") << QByteArray("1,2\r\n") << 0 << 0 << 0
                                  << QByteArray("it has too few fields.");
    QTest::newRow("emptyFile") << QByteArray() << 0 << 0 << 0 << QByteArray("it is empty.");
}

void TestPersist::readStyleRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fore);
    QFETCH(int, back);
    QFETCH(int, style);
    QFETCH(QByteArray, problem);

    const Loaded<StyleSettings> loaded = ::readStyleRecord(str(bytes));
    QCOMPARE(qbytes(loaded.problem), problem);
    QCOMPARE(loaded.value.has_value(), problem.isEmpty());
    if (loaded.value) {
        QCOMPARE(loaded.value->foreColor, fore);
        QCOMPARE(loaded.value->backColor, back);
        QCOMPARE(int(loaded.value->styleIndex), style);
    }
}

void TestPersist::loadFailureMessageNamesFileAndProblem()
{
    const Loaded<std::string> loaded = readTextRecord("\r\n\"late\"\r\n");
    QVERIFY(!loaded.value.has_value());
    QCOMPARE(qbytes(loadFailureMessage(kHighFile, loaded.problem)),
             QByteArray("Orvo cannot start: High.dat: it has too few fields."));
    QCOMPARE(qbytes(loadFailureMessage(kNameFile, "it is missing")),
             QByteArray("Orvo cannot start: Orvo.dat: it is missing."));
    QCOMPARE(qbytes(loadFailureMessage(kNameFile, "\u6587\u4EF6\u4E0D\u5B58\u5728\u3002")),
             QByteArray("Orvo cannot start: Orvo.dat: \u6587\u4EF6\u4E0D\u5B58\u5728\u3002"));
}

void TestPersist::codesToTextKeepsEveryByte()
{
    std::vector<std::int16_t> codes;
    for (int c = 255; c >= 0; --c)
        codes.push_back(static_cast<std::int16_t>(c));
    const std::string text = Codes_To_Text(codes);
    QCOMPARE(text.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        QCOMPARE(int(static_cast<unsigned char>(text[i])), int(codes[i]));
}

void TestPersist::emptyTextLeavesKeyUnchanged()
{
    std::string key = freshKey();
    QCOMPARE(key.size(), std::size_t{22});
    QCOMPARE(qbytes(Xor_Text("", key)), QByteArray());
    QCOMPARE(qbytes(key), qbytes(freshKey()));
}

void TestPersist::shortTextLeavesKeyAt22()
{
    std::string key = freshKey();
    QCOMPARE(Xor_Text(std::string(22, '7'), key).size(), std::size_t{22});
    QCOMPARE(qbytes(key), qbytes(freshKey()));
}

void TestPersist::longTextExtendsKeyByRepeatingIt()
{
    std::string key = freshKey();
    const std::string fiveDigits = "31415";
    const std::string beforeExtension = Xor_Text(fiveDigits, key);

    QCOMPARE(Xor_Text(std::string(30, 'x'), key).size(), std::size_t{30});
    QCOMPARE(key.size(), std::size_t{30});
    QCOMPARE(qbytes(key.substr(0, 22)), qbytes(freshKey()));
    QCOMPARE(qbytes(key.substr(22, 8)), qbytes(key.substr(0, 8)));

    QCOMPARE(qbytes(Xor_Text(fiveDigits, key)), qbytes(beforeExtension));
    QCOMPARE(key.size(), std::size_t{30});
}

// Character i of the result is character i of the text XOR key character
// i mod 22, however long the text: the last repetition may be cut short.
void TestPersist::keyRepeatsEvery22Characters()
{
    std::string text;
    for (int i = 0; i < 101; ++i)
        text += static_cast<char>(i * 37 + 11);

    // A fresh key, and a key already grown to a length that is not a
    // multiple of 22, must scramble alike.
    std::string grownKey = freshKey();
    Xor_Text(std::string(30, 'x'), grownKey);
    std::string newKey = freshKey();
    for (std::string* key : {&newKey, &grownKey}) {
        const std::string result = Xor_Text(text, *key);
        QCOMPARE(result.size(), text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int expected = static_cast<unsigned char>(text[i]) ^ keyTable()[i % 22];
            QCOMPARE(int(static_cast<unsigned char>(result[i])), expected);
        }
    }
}

void TestPersist::scramblingTwiceRestores_data()
{
    QTest::addColumn<QByteArray>("text");

    QByteArray everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("oneDigit") << QByteArray("0");
    QTest::newRow("score") << QByteArray("32767");
    QTest::newRow("exactlyKeyLength") << QByteArray(22, 'k');
    QTest::newRow("oneOverKeyLength") << QByteArray(23, 'k');
    QTest::newRow("nulBytes") << QByteArray(30, '\0');
    QTest::newRow("everyByte") << everyByte;
    QTest::newRow("keyItself") << qbytes(freshKey());
}

void TestPersist::scramblingTwiceRestores()
{
    QFETCH(QByteArray, text);

    std::string key = freshKey();
    const std::string scrambled = Xor_Text(str(text), key);
    QCOMPARE(scrambled.size(), static_cast<std::size_t>(text.size()));
    if (!text.isEmpty())
        QVERIFY(qbytes(scrambled) != text);

    QCOMPARE(qbytes(Xor_Text(scrambled, key)), text);
    std::string anotherKey = freshKey();
    QCOMPARE(qbytes(Xor_Text(scrambled, anotherKey)), text);
}

// Whatever a stored score holds, at whatever position, must scramble to a
// byte that a quoted record field carries unchanged.
void TestPersist::scrambledScoreCharactersStayInsideQuotes()
{
    QCOMPARE(keyTable().size(), std::size_t{22});
    for (const char c : std::string("0123456789- ")) {
        std::string key = freshKey();
        const std::string scrambled = Xor_Text(std::string(22, c), key);
        for (std::size_t i = 0; i < scrambled.size(); ++i) {
            const auto b = static_cast<unsigned char>(scrambled[i]);
            const QByteArray where = QByteArray("char '") + c + "' at " + QByteArray::number(qulonglong(i));
            QVERIFY2(b != '"' && b != '\r' && b != '\n' && b != 0 && b != 26, where.constData());
        }
    }
}

// The path a high score takes: digits, scrambled, written, read, unscrambled.
void TestPersist::everyHighScoreSurvivesItsFile()
{
    std::string key = freshKey();
    for (int score = 0; score <= 32767; ++score) {
        const std::string record = textRecord(Xor_Text(std::to_string(score), key));
        const Loaded<std::string> text = readTextRecord(record);
        QVERIFY2(text.value.has_value(), text.problem.c_str());
        const Loaded<std::int16_t> loaded = ::highScoreFromText(Xor_Text(*text.value, key));
        QVERIFY2(loaded.value.has_value(), loaded.problem.c_str());
        if (*loaded.value != score)
            QFAIL(qPrintable(QStringLiteral("score %1 came back as %2").arg(score).arg(*loaded.value)));
    }
}

void TestPersist::shippedHighDatHoldsZero()
{
    const Loaded<std::string> text = readTextRecord(shippedFile(kHighFile));
    QVERIFY2(text.value.has_value(), text.problem.c_str());
    std::string key = freshKey();
    const Loaded<std::int16_t> score = ::highScoreFromText(Xor_Text(*text.value, key));
    QVERIFY2(score.value.has_value(), score.problem.c_str());
    QCOMPARE(int(*score.value), 0);
}

void TestPersist::shippedOrvoDatHoldsNoOne()
{
    const std::string bytes = shippedFile(kNameFile);
    QCOMPARE(qbytes(bytes), qbytes(textRecord("<No One>")));
    const Loaded<std::string> name = readTextRecord(bytes);
    QVERIFY2(name.value.has_value(), name.problem.c_str());
    QCOMPARE(qbytes(*name.value), QByteArray("<No One>"));
}

void TestPersist::shippedStyleDatIsValid()
{
    const Loaded<StyleSettings> style = ::readStyleRecord(shippedFile(kStyleFile));
    QVERIFY2(style.value.has_value(), style.problem.c_str());
    QCOMPARE(style.value->foreColor, RGB(255, 255, 192));
    QCOMPARE(style.value->backColor, RGB(32, 32, 96));
    QCOMPARE(int(style.value->styleIndex), 0);
}

// Every Orvo.dat written so far reads as before: a name field is read as
// UTF-8 exactly when it is well-formed UTF-8 holding a byte above 127 (Qt's
// strict decoder is the judge), and as Latin-1 otherwise. Swept over every
// field of two bytes and the three- and four-byte fields UTF-8 leads start.
void TestPersist::nameFieldsReadAsBefore()
{
    std::vector<QByteArray> fields;
    const auto field = [](std::initializer_list<int> codes) {
        QByteArray bytes;
        for (const int c : codes)
            bytes += char(c);
        return bytes;
    };
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            fields.push_back(field({a, b}));
            for (const int c : {0x41, 0x7F, 0x80, 0xBF, 0xC0, 0xFF}) {
                if (a >= 0xE0 && a <= 0xF4)
                    fields.push_back(field({a, b, c}));
                if (a >= 0xF0 && a <= 0xF7 && (c == 0x80 || c == 0xBF))
                    for (const int d : {0x7F, 0x80, 0xBF, 0xC0})
                        fields.push_back(field({a, b, c, d}));
            }
        }
    }
    for (const QByteArray& bytes : fields) {
        if (bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n'))
            continue;
        QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
        const QString decoded = decode(bytes);
        const bool utf8 = !decode.hasError() && std::any_of(bytes.begin(), bytes.end(), [](char c) { return c < 0; });
        const Loaded<std::string> name = readNameRecord(textRecord(str(bytes)));
        QVERIFY2(name.value.has_value(), bytes.toHex().constData());
        QVERIFY2(qbytes(*name.value) == (utf8 ? bytes : QString::fromLatin1(bytes).toUtf8()), bytes.toHex().constData());
    }
}

// A name with every character Unicode has (but the quote and the line ends,
// which a stored name never holds): written byte for byte as Latin-1 when it
// lies there, in UTF-8 otherwise, and read back exactly.
void TestPersist::namesInEveryScriptRoundTrip()
{
    for (char32_t code = 1; code <= 0x10FFFF; ++code) {
        if (code == '"' || code == '\r' || code == '\n' || (code >= 0xD800 && code <= 0xDFFF))
            continue;
        const QString name = QStringLiteral("Ann ") + QString::fromUcs4(&code, 1);
        const QByteArray field = code <= 0xFF ? name.toLatin1() : name.toUtf8();
        const std::string record = nameRecord(name.toStdString());
        QCOMPARE(qbytes(record), '"' + field + "\"\r\n");
        QCOMPARE(QString::fromStdString(readNameRecord(record).value.value_or("")), name);
    }
}

QTEST_APPLESS_MAIN(TestPersist)
#include "test_persist.moc"
