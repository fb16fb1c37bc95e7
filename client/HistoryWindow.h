#pragma once
// "Histórico de Importações": the import attempts the application server recorded, newest first,
// filtered by destination branch and by period (the files' periods that meet it; the last two years
// and the next at first) and sortable by
// any column; the selected attempt's detail (mappings used, counts, lines left out, every reason
// of a refusal); and "Desfazer", which asks for confirmation and shows the server's answer.
//
// FollowImports makes a status bar say, after each import of the import screen, what the
// server's history recorded of it: lines written and left out, or every reason of a refusal.
#include <QWidget>

#include <cstdint>
#include <string>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;

class HistoryWindow : public QWidget {
public:
    HistoryWindow(const std::string& branch, std::string operatorCode, QWidget* parent = nullptr);

    // Lists the attempts matching the filter again.
    void Search();
    static void FollowImports(QStatusBar& bar);

private:
    void ShowDetail();
    void Undo();
    int64_t Selected() const;

    std::string operatorCode_;
    QLineEdit* branch_;
    QDateEdit* from_;
    QDateEdit* to_;
    QTableWidget* list_;
    QPlainTextEdit* detail_;
    QPushButton* undo_;
};
