// The fixed texts and addresses of the scoring note and credits windows.
#include "ui/help/credits_text.h"
#include "ui/help/crlf_lines.h"
#include "ui/help/note_text.h"

#include <QRegularExpression>
#include <QTest>

#include <array>
#include <string_view>

using namespace obrix::ui;

class HelpTextsTest : public QObject {
    Q_OBJECT

private slots:
    void noteTextIsExact();
    void licenceLayout();
    void licenceHeadingsInOrder();
    void citationsAreExact();
    void citationsAgreeWithAddresses();
    void addressesKeepTheirEncoding_data();
    void addressesKeepTheirEncoding();
    void joinEndsEveryLine_data();
    void joinEndsEveryLine();
};

void HelpTextsTest::noteTextIsExact() {
    // Written out whole, blanks at line ends included, so that any changed character shows.
    const QString expected = QStringLiteral(
        "A more recent scoring method removes the Hoarding subscale from the overall total. \r\n"
        "Using this system (Quillane et al., 2015), the OCD Total and Hoarding scoring and \r\n"
        "norms are:\r\n"
        "\r\n"
        "OCD scale (items 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18):\r\n"
        "\r\n"
        "    Clinical (OCD diagnosis): mean = 23.94 (12.11)\r\n"
        "    Normal (community sample): mean = 2.35 (3.54)\r\n"
        "\r\n"
        "Hoarding Disorder subscale (items 1, 7, 13):\r\n"
        "\r\n"
        "    Clinical (hoarding disorder diagnosis): mean = 9.29 (2.45)\r\n"
        "    Normal (community sample): mean = 1.32 (2.16)\r\n"
        "\r\n"
        "A larger and more diverse sample has also been derived by Marrowby et al \r\n"
        "(2020), should one require those data.\r\n"
        "\r\n"
        "References:\r\n"
        "\r\n"
        "Marrowby (2020). Severity \r\n"
        "benchmarks and contemporary clinical norms for the Obsessive-Compulsive \r\n"
        "Inventory-Revised (OCI-R). Journal of Obsessive-Compulsive and Related \r\n"
        "Disorders, 27, 100557. https://doi.org/10.1016/j.jocrd.2020.100557\r\n"
        "\r\n"
        "Quillane (2015). A contemporary psychometric evaluation of the Obsessive \r\n"
        "Compulsive Inventory-Revised (OCI-R). Psychological Assessment, 27(3), 874 - 882. \r\n"
        "https://doi.org/10.1037/pas0000075\r\n");
    QCOMPARE(scoringNoteText(), expected);
    QCOMPARE(scoringNoteText().count(QStringLiteral("\r\n")), 27);
}

void HelpTextsTest::licenceLayout() {
    const QString text = credits::licenceText();
    QCOMPARE(text.size(), 1322);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));

    // Every break is CR LF: no bare CR or LF survives removing the pairs.
    QString withoutPairs = text;
    withoutPairs.remove(QStringLiteral("\r\n"));
    QVERIFY(!withoutPairs.contains(QLatin1Char('\r')));
    QVERIFY(!withoutPairs.contains(QLatin1Char('\n')));

    QStringList lines = text.split(QStringLiteral("\r\n"));
    QVERIFY(lines.takeLast().isEmpty()); // what follows the final CR LF
    QVERIFY(!lines.first().isEmpty());
    QVERIFY(!lines.last().isEmpty());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines[i].size() <= 129, qPrintable(lines[i]));
        QVERIFY2(lines[i] == lines[i].trimmed() || lines[i].isEmpty(), qPrintable(lines[i]));
        if (i > 0) {
            QVERIFY2(!(lines[i].isEmpty() && lines[i - 1].isEmpty()), "two empty lines in a row");
        }
    }
    QVERIFY(lines.last().startsWith(QStringLiteral("Copyright")));
    QVERIFY(lines.last().contains(QStringLiteral("Velmoor")));
}

void HelpTextsTest::licenceHeadingsInOrder() {
    const QStringList lines = credits::licenceText().split(QStringLiteral("\r\n"));
    const std::array<const char*, 6> headings{
        "I. Summary",      "II. Limitations", "II. a. Good Faith",
        "II. b. Warranty", "II.c. Liability", "II.d. Use of application in whole"};
    qsizetype previous = -1;
    for (const char* heading : headings) {
        const qsizetype at = lines.indexOf(QString::fromLatin1(heading));
        QVERIFY2(at > previous, heading);
        // A heading opens a section: it is the first line, follows an empty line, or is the
        // first subsection right under its section's heading.
        QVERIFY2(at == 0 || lines[at - 1].isEmpty() || lines[at - 1] == "II. Limitations", heading);
        previous = at;
    }
}

void HelpTextsTest::citationsAreExact() {
    QCOMPARE(credits::programmeCitation(),
             QStringLiteral("Velmoor, V. (2023). Velmoor Software Obrix\r\n"
                            "(Version 2). https://www.velmoor.example/\r\n"));
    QCOMPARE(credits::paperCitation(),
             QStringLiteral("Zendaro (2002). The Obsessive-Compulsive Inventory: Development and "
                            "validation of a short version. Psychological assessment, 14(4), "
                            "485-496. https://doi.org/10.1037/1040-3590.14.4.485\r\n"));
}

void HelpTextsTest::citationsAgreeWithAddresses() {
    // The site named in the citation is the one the button opens; the DOI in the paper's
    // citation is the one the landing page is asked for.
    QVERIFY(credits::programmeCitation().contains(credits::makerWebsite().toString()));
    const QString doi = credits::paperLandingPage().query(QUrl::FullyDecoded).section('=', 1);
    QCOMPARE(doi, QStringLiteral("10.1037/1040-3590.14.4.485"));
    QVERIFY(credits::paperCitation().contains(QStringLiteral("https://doi.org/") + doi));
}

void HelpTextsTest::addressesKeepTheirEncoding_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");

    QTest::newRow("paper") << credits::paperLandingPage()
                           << QByteArray("https://psycnet.apa.org/doiLanding?doi=10.1037%2F1040-"
                                         "3590.14.4.485")
                           << QStringLiteral("/doiLanding")
                           << QStringLiteral("doi=10.1037%2F1040-3590.14.4.485");
    QTest::newRow("maker") << credits::makerWebsite() << QByteArray("https://www.velmoor.example/")
                           << QStringLiteral("/") << QString();
}

void HelpTextsTest::addressesKeepTheirEncoding() {
    QFETCH(QUrl, url);
    QFETCH(QByteArray, encoded);
    QFETCH(QString, path);
    QFETCH(QString, query);

    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.toEncoded(), encoded);
    QCOMPARE(url.toString(QUrl::FullyEncoded), QString::fromLatin1(encoded));
    QCOMPARE(url.path(), path);
    QCOMPARE(url.query(QUrl::FullyEncoded), query);
}

void HelpTextsTest::joinEndsEveryLine_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("joined");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("one empty") << QStringList{QString()} << QStringLiteral("\r\n");
    QTest::newRow("blanks kept") << QStringList{QStringLiteral("a "), QString(),
                                                QStringLiteral("  b")}
                                 << QStringLiteral("a \r\n\r\n  b\r\n");
}

void HelpTextsTest::joinEndsEveryLine() {
    QFETCH(QStringList, lines);
    QFETCH(QString, joined);

    std::vector<QByteArray> storage;
    for (const QString& line : lines) {
        storage.push_back(line.toLatin1());
    }
    std::vector<std::string_view> views;
    for (const QByteArray& bytes : storage) {
        views.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    QCOMPARE(help::joinCrLfLines(views), joined);
}

QTEST_GUILESS_MAIN(HelpTextsTest)
#include "help_texts_test.moc"
