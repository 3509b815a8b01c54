#pragma once
// The main window: open a ZRL 2 record, convert it, see the input, the ZRL 1
// lines and the headquarters pairs, and save the ZRL 1 lines.

#include "line_list.h"
#include "record_conversion.h"

#include <QWidget>

#include <functional>
#include <optional>

class QFileDialog;
class QLabel;
class QListView;
class QPushButton;
class QTextEdit;
class LineListModel;

class TFMain : public QWidget {
    Q_OBJECT
public:
    enum class MessageKind { Plain, Error };

    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // Open, Convert and Save: each asks what it needs, then does the work.
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The work of the commands, without the dialogs.
    void OpenRecord(const QString& fileName);
    void ConvertRecord();
    void SaveRecord(const QString& fileName);

    QLabel* Label1;
    QLabel* Label2;
    QListView* log;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QListView* zrl;
    QListView* hq;
    QTextEdit* Memo1;
    QFileDialog* dlgOpen;
    QFileDialog* dlgSave;

protected:
    // What the user is asked and told; tests answer and capture these.
    virtual std::optional<QString> AskOpenFileName();
    virtual std::optional<QString> AskSaveFileName();
    virtual void ShowMessage(MessageKind kind, const QString& caption, const QString& text);

private:
    void BuildComponents();
    void SetCommandsEnabled(bool enabled);
    void ReportErrors(const std::function<void()>& work);
    void ShowStoppedLine();

    zrl::LineList logLines_;
    zrl::LineList zrlLines_;
    zrl::LineList hqLines_;
    zrl::RecordConversion conversion_{logLines_, zrlLines_, hqLines_};
};
