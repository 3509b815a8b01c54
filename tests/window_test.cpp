// The main window driven through its real buttons on the offscreen platform.
// File dialogs are answered and message boxes captured through the window's
// seam, so no test waits on a modal dialog.

#include "records.h"
#include "temporary_folder.h"
#include "tfmain.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <fstream>

// Failures show the texts, not their UTF-16 units.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using zrltest::Contents;

namespace {

const QString kStatus = QString::fromUtf8("Verze výstupního souboru:");
using zrltest::kDeclaration;
const std::string kWorld = zrltest::World();

struct Message {
    TFMain::MessageKind kind;
    QString caption;
    QString text;
};

class TestedWindow : public TFMain {
public:
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<Message> messages;
    // What the buttons and Label1 showed while the conversion ran.
    std::vector<QString> labelWhileConverting;

protected:
    std::optional<QString> AskOpenFileName() override { return Next(openAnswers); }
    std::optional<QString> AskSaveFileName() override { return Next(saveAnswers); }
    void ShowMessage(MessageKind kind, const QString& caption, const QString& text) override
    {
        labelWhileConverting.push_back(Label1->text());
        messages.push_back({kind, caption, text});
    }

private:
    static std::optional<QString> Next(std::deque<std::optional<QString>>& answers)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "a dialog was shown that the test did not expect";
            return std::nullopt;
        }
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class Window : public zrltest::TemporaryFolder {
protected:
    void SetUp() override
    {
        TemporaryFolder::SetUp();
        window_.show();
    }

    QString PutFile(const std::string& name, const std::string& bytes)
    {
        return QString::fromStdString(Put(name, bytes));
    }
    QString FilePath(const std::string& name) const { return QString::fromStdString(Path(name)); }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void Open(const QString& fileName)
    {
        window_.openAnswers.push_back(fileName);
        Click(window_.Button1);
    }

    static QStringList Rows(QListView* view)
    {
        QStringList rows;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            rows << view->model()->index(row, 0).data().toString();
        return rows;
    }

    void ExpectState(bool opened)
    {
        EXPECT_TRUE(window_.Button1->isEnabled());
        EXPECT_EQ(window_.Button2->isEnabled(), opened);
        EXPECT_EQ(window_.Button3->isEnabled(), opened);
        EXPECT_EQ(window_.Label1->text(), kStatus);
    }

    TestedWindow window_;
};

} // namespace

TEST_F(Window, StartState)
{
    EXPECT_EQ(window_.windowTitle(), "ZRLConv - Export ZRL 2 do ZRL 1");
    ExpectState(false);
    EXPECT_EQ(window_.Label2->text(), "ZRL 1");
    EXPECT_EQ(window_.Button1->text(), QString::fromUtf8("&Otevřít"));
    EXPECT_EQ(window_.Button2->text(), "&Konvertovat");
    EXPECT_EQ(window_.Button3->text(), QString::fromUtf8("&Uložit"));
    EXPECT_EQ(window_.log->geometry(), QRect(136, 40, 457, 161));
    EXPECT_EQ(window_.zrl->geometry(), QRect(136, 208, 457, 161));
    EXPECT_EQ(window_.hq->geometry(), QRect(8, 40, 121, 121));
    EXPECT_EQ(window_.Memo1->geometry(), QRect(8, 168, 121, 201));
    EXPECT_EQ(window_.Label1->geometry().right(), 360 + 176 - 1) << "Label1 ends where the table puts it";
    EXPECT_TRUE(window_.Label1->font().bold());
    EXPECT_EQ(window_.Label1->font().pixelSize(), 13);
    EXPECT_EQ(window_.Label2->font().pixelSize(), 16);

    const QStringList about = window_.Memo1->toPlainText().split('\n');
    ASSERT_EQ(about.size(), 13);
    EXPECT_EQ(about[3], "ZRLConv je konvertor ");
    EXPECT_EQ(about[10], QString::fromUtf8("připravuje. S ním bude "));
    EXPECT_EQ(about[12], "Zorlak.");
    EXPECT_TRUE(window_.Memo1->isReadOnly());

    // Tab order: log, the three buttons, zrl, hq, Memo1.
    const QWidget* order[] = {window_.log, window_.Button1, window_.Button2, window_.Button3,
                              window_.zrl, window_.hq, window_.Memo1};
    const auto nextTabStop = [](const QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    for (std::size_t k = 0; k + 1 < std::size(order); ++k)
        EXPECT_EQ(nextTabStop(order[k]), order[k + 1]) << k;
}

TEST_F(Window, OpenConvertAndSaveTheExampleRecord)
{
    const std::string example = ZRLCONV_EXAMPLES;
    Open(QString::fromStdString(example + "/season.zrl2"));
    ExpectState(true);
    EXPECT_EQ(Rows(window_.log).size(), 18);
    EXPECT_EQ(Rows(window_.log)[4], QString::fromUtf8("    <chq><t>1112735000</t><n>Praha</n><p>12</p><q>3</q></chq>"));

    Click(window_.Button2);
    EXPECT_TRUE(window_.messages.empty());
    ExpectState(true);
    EXPECT_EQ(Rows(window_.log)[4], QString::fromUtf8("<chq><t>1112735000</t><n>Praha</n><p>12</p><q>3</q></chq>"));
    EXPECT_EQ(Rows(window_.zrl)[3], QString::fromUtf8("2005-05-04-23-03-22; create_hq; Plzeň; 1; 7;"));
    EXPECT_EQ(Rows(window_.hq), (QStringList{QString::fromUtf8("Děčín=4"), QString::fromUtf8("Plzeň=7")}));

    window_.saveAnswers.push_back(FilePath("saved"));
    Click(window_.Button3);
    EXPECT_EQ(Contents(folder_ + "/saved"), Contents(example + "/season.zrl1"));

    // Converting again gives the same output, not a doubled one.
    Click(window_.Button2);
    window_.saveAnswers.push_back(FilePath("again"));
    Click(window_.Button3);
    EXPECT_EQ(Contents(folder_ + "/again"), Contents(example + "/season.zrl1"));
}

TEST_F(Window, FalseShowsChybaKonverzeAndTheLine)
{
    Open(PutFile("in.zrl2", kDeclaration + "\n  <record>\n<wrld></wrld>\n<events>\n</events>\n"));
    Click(window_.Button2);
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, TFMain::MessageKind::Plain);
    EXPECT_EQ(window_.messages[0].caption, "ZRLConv");
    EXPECT_EQ(window_.messages[0].text, "Chyba konverze");
    EXPECT_EQ(window_.labelWhileConverting[0], "Konvertuji do...");
    ExpectState(true);
    EXPECT_EQ(Rows(window_.log)[1], "<record>") << "the input is shown cleaned";
    EXPECT_EQ(window_.log->currentIndex().row(), 2);
}

TEST_F(Window, ErrorIsReportedAfterTheStateIsRestored)
{
    Open(PutFile("in.zrl2", kDeclaration + "\n<record>\n" + kWorld + "\n<events>\n<buy><t>0</t></buy>\n<ret><t>0</t><a>P</a></ret>\n</events>\n"));
    Click(window_.Button2);
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, TFMain::MessageKind::Error);
    EXPECT_EQ(window_.messages[0].caption, "ZRLConv");
    EXPECT_EQ(window_.messages[0].text, "Range check error.");
    EXPECT_EQ(window_.labelWhileConverting[0], kStatus) << "reported after Label1 and the buttons came back";
    ExpectState(true);
    EXPECT_EQ(window_.log->currentIndex().row(), 4);
    EXPECT_EQ(Rows(window_.zrl).size(), 3) << "lines converted before the error stay";
}

TEST_F(Window, BadRecordsAreReportedAndTheWindowGoesOn)
{
    struct Case {
        const char* what;
        std::string bytes;
        TFMain::MessageKind kind;
        QString text;
        int selectedLine; // -1 when the message names no line
    } cases[] = {
        {"empty file", "", TFMain::MessageKind::Error, "List index out of bounds (0)", -1},
        {"NUL bytes", std::string(512, '\0'), TFMain::MessageKind::Error, "List index out of bounds (0)", -1},
        {"UTF-16 with a byte-order mark", std::string("\xFF\xFE<\0?\0x\0m\0l\0", 10), TFMain::MessageKind::Plain,
         "Chyba konverze", 0},
        {"time beyond the 32-bit limit",
         kDeclaration + "\n<record>\n" + kWorld + "\n<events>\n<buy><t>2147483648</t><a>1</a><b>2</b><c>3</c></buy>\n",
         TFMain::MessageKind::Error, "'2147483648' is not a valid integer value.", 4},
    };
    for (const Case& c : cases) {
        window_.messages.clear();
        window_.log->setCurrentIndex({});
        Open(PutFile("in.zrl2", c.bytes));
        Click(window_.Button2);
        ASSERT_EQ(window_.messages.size(), 1u) << c.what;
        EXPECT_EQ(window_.messages[0].kind, c.kind) << c.what;
        EXPECT_EQ(window_.messages[0].text, c.text) << c.what;
        EXPECT_EQ(window_.log->currentIndex().row(), c.selectedLine) << c.what;
        ExpectState(true);
    }
}

TEST_F(Window, SaveBeforeConvertWritesAnEmptyFile)
{
    Open(PutFile("in.zrl2", "anything\n"));
    window_.saveAnswers.push_back(FilePath("empty"));
    Click(window_.Button3);
    EXPECT_EQ(Contents(folder_ + "/empty"), "");
    EXPECT_TRUE(window_.messages.empty());
}

TEST_F(Window, CancellingADialogChangesNothing)
{
    window_.openAnswers.push_back(std::nullopt);
    Click(window_.Button1);
    ExpectState(false);
    EXPECT_EQ(window_.log->model()->rowCount(), 0);

    Open(PutFile("in.zrl2", "line\n"));
    window_.saveAnswers.push_back(std::nullopt);
    Click(window_.Button3);
    ExpectState(true);
    EXPECT_TRUE(window_.messages.empty());
}

TEST_F(Window, AccessKeysBelongToTheButtons)
{
    EXPECT_EQ(window_.Button1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_O));
    EXPECT_EQ(window_.Button2->shortcut(), QKeySequence(Qt::ALT | Qt::Key_K));
    EXPECT_EQ(window_.Button3->shortcut(), QKeySequence(Qt::ALT | Qt::Key_U));
}

TEST_F(Window, FileDialogsAskAsTheCommandsNeed)
{
    EXPECT_EQ(window_.dlgOpen->nameFilters(),
              (QStringList{"ZRL 2 Logy (*.zrl2)", "XML soubory (*.xml)"}));
    EXPECT_EQ(window_.dlgOpen->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(window_.dlgSave->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(window_.dlgSave->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(window_.dlgSave->defaultSuffix(), "");
}

TEST_F(Window, FilesThatCannotBeOpenedOrSavedAreReported)
{
    Open(FilePath("missing.zrl2"));
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, TFMain::MessageKind::Error);
    EXPECT_EQ(window_.messages[0].text, "Cannot open file " + FilePath("missing.zrl2") + ".");
    ExpectState(false);

    Open(ZRLCONV_EXAMPLES "/season.zrl2");
    Click(window_.Button2);
    mkdir((folder_ + "/folder").c_str(), 0755);
    for (const QString& target : {FilePath("nowhere/out"), FilePath("folder")}) {
        window_.saveAnswers.push_back(target);
        Click(window_.Button3);
        EXPECT_EQ(window_.messages.back().text, "Cannot create file " + target + ".");
    }
    window_.saveAnswers.push_back("/dev/full");
    Click(window_.Button3);
    EXPECT_EQ(window_.messages.back().text, "Cannot write file /dev/full.");
    window_.saveAnswers.push_back(FilePath("saved"));
    Click(window_.Button3);
    EXPECT_EQ(window_.messages.back().text, "Cannot write file /dev/full.") << "the save to saved went through";
    EXPECT_EQ(window_.messages.size(), 4u);
    ExpectState(true);
}

TEST_F(Window, RecordTooLargeForMemoryIsReported)
{
    // A sparse file of 256 MB, opened with only 128 MB of address space to spare.
    const QString big = PutFile("big.zrl2", "");
    ASSERT_EQ(truncate((folder_ + "/big.zrl2").c_str(), 256 << 20), 0);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit saved {};
    getrlimit(RLIMIT_AS, &saved);
    const rlimit limited{static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (128 << 20),
                         saved.rlim_max};
    setrlimit(RLIMIT_AS, &limited);
    Open(big);
    setrlimit(RLIMIT_AS, &saved);

    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, TFMain::MessageKind::Error);
    EXPECT_EQ(window_.messages[0].caption, "ZRLConv");
    EXPECT_EQ(window_.messages[0].text, "Out of memory.");
    ExpectState(false);
}

TEST_F(Window, ListModelsFollowTheirLists)
{
    for (QListView* view : {window_.log, window_.zrl, window_.hq})
        new QAbstractItemModelTester(view->model(), QAbstractItemModelTester::FailureReportingMode::Warning, view);
    Open(ZRLCONV_EXAMPLES "/season.zrl2");
    Click(window_.Button2);
    Click(window_.Button2);
    EXPECT_EQ(window_.zrl->model()->index(0, 0).data(Qt::SizeHintRole).toSize().height(), 13);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName("ZRLConv");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
