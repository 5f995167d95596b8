#pragma once

#include "app/TargetFileChooser.h"
#include "db/SourceConnection.h"
#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"
#include "ui/UserInterface.h"

#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vorlanda {

class ParameterList;
class RunProgress;

// The program's window: the operator chooses the target database file, ticks the tables to
// convert and starts a run. It owns the target connection, its transaction and the source
// connection for its whole life.
class TFPrincipal : public QWidget {
    Q_OBJECT

public:
    // ui becomes the program's user interface while the window lives (null: message boxes on
    // this window); chooser asks for the target file (null: the open-file dialog).
    explicit TFPrincipal(UserInterface* ui = nullptr,
                         std::unique_ptr<TargetFileChooser> chooser = nullptr,
                         QWidget* parent = nullptr);
    ~TFPrincipal() override;

    void btnAbrirClick(QObject* Sender);
    void btnConverterClick(QObject* Sender);
    // Checks the ticked tables as "Converter" would convert them, changing nothing, and lists
    // what would fail, with the report beside the target.
    void btnVerificarClick();
    void btnSairClick(QObject* Sender);

    // True when the target path box is empty, after warning the operator.
    bool VerificaCaminhoBDVazio();
    // True when the target connection does not answer, after warning the operator.
    bool VerificaTabelasMarcadas();
    bool VerificaConexaoBD();

    void pIniciaListaParametros(ParameterList& MParams) const;
    void pCarregaParametros(ParameterList& MParams) const;

    void DesabilitaBotoes();
    void HabilitaBotoes();

    // "Cancelar": the run in progress stops at its next row and is rolled back to its last
    // commit point, like a failed run.
    void CancelaConversao();
    // "Origem...": the dialog of the source's settings.
    void btnOrigemClick();
    // The conversion reads this source from now on; its settings (the password only when
    // asked to) are remembered for the next start.
    void AplicaOrigem(const SourceParameters& parameters, bool lembrarSenha);
    // Connects to this source, counts its legacy rows and shows each count beside its box
    // ("Clientes (5.000)"); what it found, or the driver's error.
    QString TestaOrigem(const SourceParameters& parameters);
    // The program was asked to end (SIGTERM, SIGINT): a run in progress is cancelled with its
    // messages written to standard error instead of boxes, and the window closes.
    void EndBySignal();

    TargetDatabase& ibdOrvalis() noexcept { return ibdOrvalis_; }
    TargetTransaction& ibtTransacaoOrvalis() noexcept { return ibtTransacaoOrvalis_; }
    SourceConnection& scoBdOrigem() noexcept { return scoBdOrigem_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CriaCabecalho();
    void CriaCampos();
    void CriaTabelas();
    void CriaProgresso();
    void CriaBotoes();
    void DefineOrdemTabulacao();
    void AmpliaComAFonte();
    void ConectaBotoes();
    void SetBotoesEnabled(bool enabled);
    // Shows beside the path whether the target is connected, with its dialect and size.
    void MostraEstadoDestino();
    // Connects to the target named in the path box.
    void Conecta();
    void CarregaOrigem();
    // Where the run's backup goes, or nothing when the operator wants none.
    QString ArquivoCopiaSeguranca(const QDateTime& agora) const;
    // Where the run's report goes.
    QString ArquivoRelatorio(const QDateTime& agora) const;
    // Runs `work` on a thread of its own with the tables' parameters and the window's view of
    // the run: the controls are off, "Cancelar" stands in for "Verificar", and everything
    // comes back however the work ends.
    void EmSegundoPlano(const std::function<void(const ParameterList&, RunProgress&)>& work);
    // Lists what the run will empty and asks the operator to go on; true at once when the
    // ticked tables hold nothing.
    bool ConfirmaApagar(const QString& copia);
    QCheckBox* CaixaDaTabela(const QString& key) const;
    // Each table's box with its selection key, in the order the parameters are loaded.
    std::array<std::pair<QCheckBox*, const char16_t*>, 5> CaixasPorChave() const;
    void MoveOntoScreen();
    // Stops the run in progress at its next row or at once if it waits for the source.
    void Interrompe(const char16_t* reason);

    QFrame* pnlCabecalho_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    QLabel* imgComp_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* edtCaminhoBDOrigem_ = nullptr;
    QPushButton* btnOrigem_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLineEdit* edtCaminhoBDDestino_ = nullptr;
    QLabel* lblStatusDestino_ = nullptr;
    QPushButton* btnAbrir_ = nullptr;
    QGroupBox* gbxTabelasConverter_ = nullptr;
    QCheckBox* chkCLientes_ = nullptr;
    QCheckBox* chkFornecedores_ = nullptr;
    QCheckBox* chkProdutos_ = nullptr;
    QCheckBox* chkGruposProdutos_ = nullptr;
    QCheckBox* chkClassificacaoFiscal_ = nullptr;
    QCheckBox* chkCopiaSeguranca_ = nullptr;
    QLabel* lblInfo_ = nullptr;
    QProgressBar* Barra_ = nullptr;
    QPushButton* btnVerificar_ = nullptr;
    QPushButton* btnConverter_ = nullptr;
    QPushButton* btnSair_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    QLabel* lblAndamento_ = nullptr;

    // The transaction comes before the database: the database, destroyed first, rolls back
    // its default transaction and lets go of it while both still exist.
    TargetTransaction ibtTransacaoOrvalis_;
    TargetDatabase ibdOrvalis_;
    SourceConnection scoBdOrigem_;

    std::unique_ptr<UserInterface> ownUserInterface_;
    UserInterface* userInterface_;
    std::unique_ptr<TargetFileChooser> chooser_;
    bool running_ = false;
    bool connecting_ = false; // "Abrir" waits for the engine
    bool closeAfterRun_ = false;
    bool endingBySignal_ = false;
    RunProgress* progress_ = nullptr; // while a run goes
    bool placed_ = false;             // moved onto the screen when first shown
};

// The program's main form while it is open.
extern TFPrincipal* FPrincipal;

} // namespace vorlanda
