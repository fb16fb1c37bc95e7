#pragma once
// The desktop client's main window: an MDI area where the screens open, a menu with the import
// and export screens ("Integração de Cardápios - Importação", "... - Exportação"; a second choice
// brings the open screen to the front), the kept mappings ("Mapeamentos entre Filiais") and the
// import history ("Histórico de Importações"), and a status bar with the session (operator,
// branch, mode, server). Activating a screen's window makes its form the platform's active form.
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
    // Likewise the export screen.
    ScreenWindow* OpenExportScreen();
    // The window showing `form`, or nullptr.
    ScreenWindow* WindowOf(const TForm* form) const;
    QMdiArea& Area() const { return *area_; }

private:
    void BuildMenu();
    // Shows the screen's form in its window (made on its first showing) and activates it.
    ScreenWindow* ShowScreen(TForm* form);
    void ShowSession();
    void OpenHistory();
    void Activated(QMdiSubWindow* window);

    ClientHost& host_;
    QMdiArea* area_;
};
