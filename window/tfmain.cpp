#include "tfmain.h"

#include "errors.h"
#include "line_list_model.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <new>

namespace {

const char* const kStatusText = "Verze výstupního souboru:";
const char* const kConvertingText = "Konvertuji do...";

// Thirteen lines, several of them ending with a space.
const char* const kAboutLines[] = {
    "ZRLConv",
    "verze 0.1 alpha",
    "",
    "ZRLConv je konvertor ",
    "záznamů ZRL 2 (XML) ",
    "do původních ZRL 1. ",
    "Konvertor do ZRL+ ",
    "(formát ZRL 1, ale ",
    "budou v něm přidány ",
    "nové akce) se ",
    "připravuje. S ním bude ",
    "vydána i nová verze ",
    "Zorlak.",
};

QFont TahomaFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif); // where Tahoma is not installed
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The file the user picked in dialog, none when it was cancelled.
std::optional<QString> ChosenFile(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::string FileNameBytes(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

TFMain::TFMain(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("ZRLConv - Export ZRL 2 do ZRL 1"));
    setFont(TahomaFont(11, false));
    setGeometry(192, 110, 599, 377);
    BuildComponents();

    connect(Button1, &QPushButton::clicked, this, &TFMain::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFMain::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFMain::Button3Click);
}

TFMain::~TFMain()
{
    // The list models go with the child widgets after these lists are gone.
    logLines_.SetChangeListener({});
    zrlLines_.SetChangeListener({});
    hqLines_.SetChangeListener({});
}

void TFMain::BuildComponents()
{
    Label1 = new QLabel(QString::fromUtf8(kStatusText), this);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setFont(TahomaFont(13, true));
    // Right-aligned against "ZRL 1": a font wider than Tahoma grows it leftwards.
    const int label1Width = std::max(176, Label1->fontMetrics().horizontalAdvance(Label1->text()) + 2);
    Label1->setGeometry(360 + 176 - label1Width, 12, label1Width, 16);

    Label2 = new QLabel(QStringLiteral("ZRL 1"), this);
    Label2->setGeometry(544, 10, 50, 19);
    Label2->setFont(TahomaFont(16, true));

    const auto makeList = [this](zrl::LineList& lines, const QRect& where) {
        auto* view = new QListView(this);
        view->setGeometry(where);
        view->setUniformItemSizes(true);
        view->setModel(new LineListModel(lines, view));
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return view;
    };
    log = makeList(logLines_, {136, 40, 457, 161});

    const auto makeButton = [this](const char* text, int left) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setGeometry(left, 8, 75, 25);
        return button;
    };
    Button1 = makeButton("&Otevřít", 8);
    Button2 = makeButton("&Konvertovat", 88);
    Button3 = makeButton("&Uložit", 168);
    Button2->setEnabled(false);
    Button3->setEnabled(false);

    zrl = makeList(zrlLines_, {136, 208, 457, 161});
    hq = makeList(hqLines_, {8, 40, 121, 121});

    Memo1 = new QTextEdit(this);
    Memo1->setGeometry(8, 168, 121, 201);
    QStringList about;
    for (const char* line : kAboutLines)
        about << QString::fromUtf8(line);
    Memo1->setPlainText(about.join(QLatin1Char('\n')));
    Memo1->selectAll();
    Memo1->setAlignment(Qt::AlignHCenter);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->setReadOnly(true);
    QPalette buttonFace = Memo1->palette();
    buttonFace.setColor(QPalette::Base, palette().color(QPalette::Button));
    Memo1->setPalette(buttonFace);

    setTabOrder(log, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, zrl);
    setTabOrder(zrl, hq);
    setTabOrder(hq, Memo1);

    dlgOpen = new QFileDialog(this);
    dlgOpen->setNameFilters({QStringLiteral("ZRL 2 Logy (*.zrl2)"), QStringLiteral("XML soubory (*.xml)")});
    dlgOpen->setFileMode(QFileDialog::ExistingFile);
    dlgOpen->setAcceptMode(QFileDialog::AcceptOpen);

    dlgSave = new QFileDialog(this);
    dlgSave->setAcceptMode(QFileDialog::AcceptSave);
    dlgSave->setFileMode(QFileDialog::AnyFile);
    dlgSave->setOption(QFileDialog::DontConfirmOverwrite, false);
    dlgSave->setDefaultSuffix(QString());
}

void TFMain::Button1Click()
{
    if (const std::optional<QString> fileName = AskOpenFileName())
        ReportErrors([&] { OpenRecord(*fileName); });
}

void TFMain::Button2Click()
{
    ReportErrors([&] { ConvertRecord(); });
    ShowStoppedLine();
}

void TFMain::Button3Click()
{
    if (const std::optional<QString> fileName = AskSaveFileName())
        ReportErrors([&] { SaveRecord(*fileName); });
}

void TFMain::OpenRecord(const QString& fileName)
{
    logLines_.ReadFromFile(FileNameBytes(fileName));
    Button2->setEnabled(true);
    Button3->setEnabled(true);
}

// The buttons come back and the lists show the result whatever the run ends
// with; an error is reported after that.
void TFMain::ConvertRecord()
{
    SetCommandsEnabled(false);
    Label1->setText(QString::fromUtf8(kConvertingText));
    QApplication::processEvents(); // once, so that the label is painted

    zrlLines_.BeginChanges();
    logLines_.BeginChanges();
    hqLines_.BeginChanges();
    const auto finish = [this] {
        hqLines_.EndChanges();
        logLines_.EndChanges();
        zrlLines_.EndChanges();
        Label1->setText(QString::fromUtf8(kStatusText));
        SetCommandsEnabled(true);
    };
    try {
        // Converting the same record twice gives the same output.
        zrlLines_.Clear();
        hqLines_.Clear();
        if (!conversion_.ConvertRecord())
            ShowMessage(MessageKind::Plain, QApplication::applicationName(), QStringLiteral("Chyba konverze"));
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TFMain::SaveRecord(const QString& fileName)
{
    zrlLines_.WriteToFile(FileNameBytes(fileName));
}

void TFMain::SetCommandsEnabled(bool enabled)
{
    Button1->setEnabled(enabled);
    Button2->setEnabled(enabled);
    Button3->setEnabled(enabled);
}

// The application's error report: every failure that leaves a command ends
// here, and the program goes on.
void TFMain::ReportErrors(const std::function<void()>& work)
{
    std::string message;
    try {
        work();
        return;
    } catch (const zrl::Error& error) {
        message = error.what();
    } catch (const std::bad_alloc&) {
        message = zrl::kOutOfMemoryMessage;
    } catch (const std::exception& error) {
        message = error.what();
    }
    ShowMessage(MessageKind::Error, QApplication::applicationName(),
                QString::fromUtf8(zrl::ReportText(message)));
}

// After a failed run the input list points at the line where it stopped.
void TFMain::ShowStoppedLine()
{
    const std::optional<std::int32_t> line = conversion_.StoppedAt();
    if (!line || *line >= log->model()->rowCount())
        return;
    const QModelIndex index = log->model()->index(*line, 0);
    log->setCurrentIndex(index);
    log->scrollTo(index);
}

std::optional<QString> TFMain::AskOpenFileName()
{
    return ChosenFile(dlgOpen);
}

std::optional<QString> TFMain::AskSaveFileName()
{
    return ChosenFile(dlgSave);
}

void TFMain::ShowMessage(MessageKind kind, const QString& caption, const QString& text)
{
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text,
                    QMessageBox::Ok, this);
    box.exec();
}
