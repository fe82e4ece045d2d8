#pragma once

// A main window for the record command tests: fixed "today", scripted message boxes and file
// dialogs, a scripted settings store, a chosen command line, and a temporary folder for files.

#include "app/main_window_parts.h"
#include "test_services.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace obrix::records::testing {

inline const QDate kToday(2025, 11, 3);

// "Client 0427", 14 March 2026, answers 2 1 0 3 2 1 0 0 1 2 4 1 0 2 3 1 0 2, as written.
inline const QByteArray kExampleBytes =
    "\"Client 0427\",#2026-03-14#,\"2\",\"1\",\"0\",\"3\",\"2\",\"1\",\"0\",\"0\",\"1\",\"2\","
    "\"4\",\"1\",\"0\",\"2\",\"3\",\"1\",\"0\",\"2\"\r\n";
inline const QStringList kExampleAnswers = {"2", "1", "0", "3", "2", "1", "0", "0", "1",
                                            "2", "4", "1", "0", "2", "3", "1", "0", "2"};

class RecordWindow {
public:
    // The window as start-up puts it together, with the record the command line names opened.
    // startupNotices: how many message boxes the window's loading is expected to show.
    explicit RecordWindow(services::StartupCommandLine commandLine = {}, int startupNotices = 0)
        : doubles(kToday)
        , messages(doubles.messages)
        , dialogs(doubles.dialogs)
        , settings(doubles.settings.values) {
        for (int notice = 0; notice < startupNotices; ++notice)
            messages.answerNext(services::MessageAnswer::Ok);
        doubles.commandLine.commandLine = std::move(commandLine);
        parts = std::make_unique<app::MainWindowParts>(doubles.services());
        parts->openStartupRecord();
        window = &parts->window();
    }
    RecordWindow(const RecordWindow&) = delete;
    RecordWindow& operator=(const RecordWindow&) = delete;

    QString path(const QString& name) const { return folder.filePath(name); }

    // Writes bytes to the named file in the folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString file = path(name);
        writeBytes(file, bytes);
        return file;
    }
    // Writes bytes to the file at path, aborting the test when it cannot.
    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Types a whole record into the window (as the user would, raising the changed flags).
    void enter(const QString& name, const QDate& date, const QStringList& answers) {
        window->txtName->setText(name);
        window->DTPicker->setDate(date);
        const auto boxes = window->itemBoxes();
        for (std::size_t index = 0; index < boxes.size(); ++index)
            boxes[index]->setEditText(answers.value(static_cast<qsizetype>(index)));
    }
    void enterExample() { enter(QStringLiteral("Client 0427"), {2026, 3, 14}, kExampleAnswers); }

    QStringList items() const {
        QStringList texts;
        for (const QComboBox* box : window->itemBoxes())
            texts.append(box->currentText());
        return texts;
    }
    QStringList results() const {
        QStringList texts;
        for (const auto& row : window->resultRows())
            texts << row.raw->text() << row.zScore->text() << row.percentile->text();
        return texts;
    }
    // Everything a record command may touch, to compare before and after.
    QStringList snapshot() const {
        QStringList state =
            QStringList{window->txtName->text(), window->DTPicker->date().toString(Qt::ISODate),
                        window->Frame1->isHidden() ? "results hidden" : "results",
                        window->OpOCD->isChecked() ? "OCD" : "general"} +
            items() + results();
        return state;
    }
    bool changed() const { return window->RecordChanged(false); }
    RecordCommands& commands() const { return parts->recordCommands(); }

    obrix::testing::TestServices doubles;
    obrix::testing::MessageBoxScript& messages;
    obrix::testing::FileDialogScript& dialogs;
    QMap<QString, QString>& settings;
    QTemporaryDir folder;
    std::unique_ptr<app::MainWindowParts> parts;
    ui::frmMain* window = nullptr;
};

} // namespace obrix::records::testing
