#include "search/bytefinder.h"

#include <QRandomGenerator>
#include <QTest>

#include <string_view>

namespace {

std::array<qsizetype, 256> countsOf(QByteArrayView text) {
    std::array<qsizetype, 256> counts{};
    for (const char byte : text)
        ++counts[static_cast<unsigned char>(byte)];
    return counts;
}

// The first place of the pattern wholly inside text[from, end), the plain way.
qsizetype plainFind(QByteArrayView text, QByteArrayView pattern, qsizetype from, qsizetype end) {
    const std::string_view window(text.data() + from, std::size_t(end - from));
    const std::size_t at = window.find(std::string_view(pattern.data(), pattern.size()));
    return at == std::string_view::npos ? -1 : from + qsizetype(at);
}

} // namespace

class TstByteFinder : public QObject {
    Q_OBJECT
private slots:
    void edges_data();
    void edges();
    void randomTextsMatchPlainFind();
};

void TstByteFinder::edges_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");
    const QByteArray long40 = QByteArray(37, 'a') + "xyz";
    QTest::newRow("nominal: at the very end of a long text")
        << long40 << QByteArray("xyz") << 0 << 40 << 37;
    QTest::newRow("nominal: at the start") << long40 << QByteArray("aaa") << 5 << 40 << 5;
    QTest::newRow("nominal: one byte") << long40 << QByteArray("y") << 0 << 40 << 38;
    QTest::newRow("robustness: running past the end is no find")
        << long40 << QByteArray("xyz") << 0 << 39 << -1;
    QTest::newRow("robustness: before from is no find")
        << long40 << QByteArray("xyz") << 38 << 40 << -1;
    QTest::newRow("robustness: byte absent from the text")
        << long40 << QByteArray("aq") << 0 << 40 << -1;
    QTest::newRow("robustness: pattern longer than the window")
        << long40 << QByteArray(41, 'a') << 0 << 40 << -1;
}

void TstByteFinder::edges() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, pattern);
    QFETCH(int, from);
    QFETCH(int, end);
    const ByteFinder finder(pattern, countsOf(text));
    QTEST(int(finder.find(text.constData(), from, end)), "expected");
}

void TstByteFinder::randomTextsMatchPlainFind() {
    QRandomGenerator random(7);
    for (int trial = 0; trial < 20000; ++trial) {
        QByteArray text(random.bounded(80), Qt::Uninitialized);
        for (char& byte : text)
            byte = char('a' + random.bounded(3));
        QByteArray pattern(1 + random.bounded(6), Qt::Uninitialized);
        for (char& byte : pattern)
            byte = char('a' + random.bounded(4));
        const qsizetype from = text.isEmpty() ? 0 : random.bounded(int(text.size()));
        const qsizetype end = from + random.bounded(int(text.size() - from) + 1);
        const ByteFinder finder(pattern, countsOf(text));
        QCOMPARE(finder.find(text.constData(), from, end), plainFind(text, pattern, from, end));
    }
}

QTEST_GUILESS_MAIN(TstByteFinder)
#include "tst_bytefinder.moc"
