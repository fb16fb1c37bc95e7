#pragma once
// The desktop client's main window: an MDI area where the screens open, a menu with the import
// screen ("Integração de Cardápios - Importação"; a second choice brings the open screen to the
// front) and the import history ("Histórico de Importações"), and a status bar with the session (operator, branch, mode, server). Activating a
// screen's window makes its form the platform's active form.
#include <QMainWindow>

class ClientHost;
class QMdiArea;
class QMdiSubWindow;
class ScreenWindow;
class TForm;

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(ClientHost& host);
    ~MainWindow() override;

    // Opens the import screen, or brings it to the front; the screen's window, or nullptr when
    // the screen did not open.
    ScreenWindow* OpenImportScreen();
    // The window showing `form`, or nullptr.
    ScreenWindow* WindowOf(const TForm* form) const;
    QMdiArea& Area() const { return *area_; }

private:
    void BuildMenu();
    void ShowSession();
    void OpenHistory();
    void Activated(QMdiSubWindow* window);

    ClientHost& host_;
    QMdiArea* area_;
};
