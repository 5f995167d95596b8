#include "app/UPrincipal.h"

#include "app/BackgroundWork.h"
#include "app/ConversionApplication.h"
#include "app/QtUserInterface.h"
#include "app/Resources.h"
#include "app/RunProgress.h"
#include "app/SourceDialog.h"
#include "app/TargetFileChooser.h"
#include "run/LegacyCounts.h"
#include "run/ParameterList.h"
#include "run/RunBackup.h"
#include "run/RunReport.h"
#include "run/RunTables.h"
#include "run/UClassesConversaoController.h"
#include "ui/Interruption.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <algorithm>
#include <utility>

namespace vorlanda {

TFPrincipal* FPrincipal = nullptr;

namespace {

QFont Tahoma(int points, bool bold) {
    // Tahoma is rarely installed outside Windows; these keep the designed widths close.
    static const bool substituted =
        (QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                    {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                     QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")}),
         true);
    (void)substituted;
    QFont font(QStringLiteral("Tahoma"), points);
    // Setting the weight even when it is normal stops a bold parent (the group box) from
    // passing its weight on.
    font.setBold(bold);
    return font;
}

template <typename Widget> Widget* Cria(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A label that is as large as its text, at the designed position.
QLabel* CriaRotulo(QWidget* parent, const char* name, const QString& text, const QFont& font,
                   int left, int top) {
    auto* label = Cria<QLabel>(parent, name);
    label->setFont(font);
    label->setText(text);
    label->adjustSize();
    label->move(left, top);
    label->setProperty("tamanhoDoTexto", true);
    return label;
}

QLabel* CriaFigura(QWidget* parent, const char* name, const QRect& frame, const char* resource) {
    auto* picture = Cria<QLabel>(parent, name);
    picture->setGeometry(frame);
    picture->setAlignment(Qt::AlignCenter);
    picture->setProperty("figura", QString::fromLatin1(resource));
    picture->setPixmap(
        SvgPicture(QString::fromLatin1(resource), frame.size(), picture->devicePixelRatioF()));
    return picture;
}

QPushButton* CriaBotao(QWidget* parent, const char* name, const QString& text, const QRect& frame,
                       const char* glyph) {
    auto* button = Cria<QPushButton>(parent, name);
    button->setText(text);
    button->setGeometry(frame);
    button->setIcon(SvgGlyph(QString::fromLatin1(glyph), 16, button->devicePixelRatioF()));
    button->setIconSize(QSize(16, 16));
    return button;
}

QCheckBox* CriaCaixa(QGroupBox* group, const char* name, const QString& text, const QFont& font,
                     int left, int top) {
    auto* box = Cria<QCheckBox>(group, name);
    box->setFont(font);
    box->setText(text);
    box->setGeometry(left, top, box->sizeHint().width(), 17);
    // The text without the legacy row count a test of the source adds to it.
    box->setProperty("texto", text);
    return box;
}

// Where the folder of the last target chosen and the source's settings are remembered between
// runs of the program.
const QString kPastaDestino = QStringLiteral("destino/pasta");
const QString kServidor = QStringLiteral("origem/servidor");
const QString kPorta = QStringLiteral("origem/porta");
const QString kUsuario = QStringLiteral("origem/usuario");
const QString kBanco = QStringLiteral("origem/banco");
const QString kSenha = QStringLiteral("origem/senha");
const QString kCopiaSeguranca = QStringLiteral("conversao/copiaDeSeguranca");

} // namespace

TFPrincipal::TFPrincipal(UserInterface* ui, std::unique_ptr<TargetFileChooser> chooser,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      ownUserInterface_(ui ? nullptr : std::make_unique<QtUserInterface>(this)),
      userInterface_(ui ? ui : ownUserInterface_.get()),
      chooser_(chooser ? std::move(chooser) : std::make_unique<FileDialogChooser>()) {
    InitialiseResources();
    setObjectName(QStringLiteral("FPrincipal"));
    setWindowTitle(QStringLiteral("Conversor Farmácia Vorlanda"));
    setWindowIcon(SvgGlyph(QStringLiteral(":/vorlanda/logo.svg"), 64, 1.0));
    setFont(Tahoma(8, false));
    setFixedSize(628, 334);
    move(342, 110);

    CriaCabecalho();
    CriaCampos();
    CriaTabelas();
    CriaProgresso();
    CriaBotoes();
    DefineOrdemTabulacao();
    ConectaBotoes();
    AmpliaComAFonte();

    ibdOrvalis_.SetUserName(QStringLiteral("SYSDBA"));
    ibdOrvalis_.SetPassword(QStringLiteral("kelpstone"));
    ibdOrvalis_.SetDefaultTransaction(&ibtTransacaoOrvalis_);

    CarregaOrigem();
    InstallUserInterface(userInterface_);
}

TFPrincipal::~TFPrincipal() {
    if (&CurrentUserInterface() == userInterface_)
        InstallUserInterface(nullptr);
    if (FPrincipal == this)
        FPrincipal = nullptr;
}

void TFPrincipal::CriaCabecalho() {
    pnlCabecalho_ = Cria<QFrame>(this, "pnlCabecalho");
    pnlCabecalho_->setGeometry(0, 0, 633, 73);
    // White even when the style sheet is missing.
    QPalette white = pnlCabecalho_->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlCabecalho_->setPalette(white);
    pnlCabecalho_->setAutoFillBackground(true);

    imgLogo_ = CriaFigura(pnlCabecalho_, "imgLogo", QRect(1, 10, 137, 64), ":/vorlanda/logo.svg");
    imgComp_ =
        CriaFigura(pnlCabecalho_, "imgComp", QRect(503, 1, 132, 71), ":/vorlanda/conversion.svg");

    Label2_ = CriaRotulo(pnlCabecalho_, "Label2",
                         QStringLiteral("Ferramenta de Conversão de Dados - Farmácia Vorlanda"),
                         Tahoma(11, true), 150, 25);
    QPalette maroon = Label2_->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    Label2_->setPalette(maroon);
}

void TFPrincipal::CriaCampos() {
    edtCaminhoBDOrigem_ = Cria<QLineEdit>(this, "edtCaminhoBDOrigem");
    edtCaminhoBDOrigem_->setGeometry(5, 105, 164, 21);
    edtCaminhoBDOrigem_->setFont(Tahoma(8, true));
    edtCaminhoBDOrigem_->setText(QStringLiteral("velarim"));
    edtCaminhoBDOrigem_->setReadOnly(true);
    edtCaminhoBDOrigem_->setEnabled(false);
    btnOrigem_ = CriaBotao(this, "btnOrigem", QStringLiteral("&Origem..."), QRect(175, 103, 83, 25),
                           ":/vorlanda/abrir.svg");

    Label1_ = CriaRotulo(this, "Label1", QStringLiteral("Caminho do Banco de Dados Orvalis: "),
                         Tahoma(8, true), 6, 130);

    // The operator cannot type a path, but may select it and copy it.
    edtCaminhoBDDestino_ = Cria<QLineEdit>(this, "edtCaminhoBDDestino");
    edtCaminhoBDDestino_->setGeometry(5, 148, 516, 21);
    edtCaminhoBDDestino_->setReadOnly(true);

    // Whether the file in the box is connected, on the free end of the line above it.
    lblStatusDestino_ = Cria<QLabel>(this, "lblStatusDestino");
    lblStatusDestino_->setGeometry(241, 130, 280, 15);
    lblStatusDestino_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    btnAbrir_ = CriaBotao(this, "btnAbrir", QStringLiteral("&Abrir"), QRect(533, 145, 83, 25),
                          ":/vorlanda/abrir.svg");

    // On the free end of the source's line; ticked unless the operator untick it once.
    chkCopiaSeguranca_ = Cria<QCheckBox>(this, "chkCopiaSeguranca");
    chkCopiaSeguranca_->setText(QStringLiteral("Fazer cópia de seg&urança antes de converter"));
    chkCopiaSeguranca_->setFont(Tahoma(8, false));
    chkCopiaSeguranca_->setGeometry(270, 108, chkCopiaSeguranca_->sizeHint().width(), 17);
    chkCopiaSeguranca_->setChecked(QSettings().value(kCopiaSeguranca, true).toBool());
    connect(chkCopiaSeguranca_, &QCheckBox::toggled, this,
            [](bool checked) { QSettings().setValue(kCopiaSeguranca, checked); });
}

void TFPrincipal::CriaTabelas() {
    gbxTabelasConverter_ = Cria<QGroupBox>(this, "gbxTabelasConverter");
    gbxTabelasConverter_->setGeometry(5, 176, 612, 86);
    gbxTabelasConverter_->setTitle(QStringLiteral("Tabelas à converter"));
    gbxTabelasConverter_->setFont(Tahoma(8, true));

    const QFont normal = Tahoma(8, false);
    chkCLientes_ =
        CriaCaixa(gbxTabelasConverter_, "chkCLientes", QStringLiteral("C&lientes"), normal, 10, 21);
    chkFornecedores_ = CriaCaixa(gbxTabelasConverter_, "chkFornecedores",
                                 QStringLiteral("&Fornecedores"), normal, 155, 21);
    chkProdutos_ = CriaCaixa(gbxTabelasConverter_, "chkProdutos", QStringLiteral("&Produtos"),
                             normal, 320, 21);
    chkGruposProdutos_ = CriaCaixa(gbxTabelasConverter_, "chkGruposProdutos",
                                   QStringLiteral("&Grupos de Produtos"), normal, 10, 52);
    chkClassificacaoFiscal_ = CriaCaixa(gbxTabelasConverter_, "chkClassificacaoFiscal",
                                        QStringLiteral("Classificação F&iscal"), normal, 155, 52);
}

void TFPrincipal::CriaProgresso() {
    lblInfo_ = Cria<QLabel>(this, "lblInfo");
    lblInfo_->setFont(Tahoma(8, true));
    lblInfo_->setTextFormat(Qt::PlainText);
    // As wide as the gauge, so that no progress text is cut. Its size is fixed, so that a new
    // caption on every row asks the window for no new layout.
    lblInfo_->move(8, 267);
    lblInfo_->setFixedSize(609, lblInfo_->fontMetrics().height());

    Barra_ = Cria<QProgressBar>(this, "Barra");
    Barra_->setGeometry(6, 283, 611, 15);
    Barra_->setRange(0, 100);
    Barra_->setValue(0);
    Barra_->setFormat(QStringLiteral("%p%"));
    Barra_->setTextVisible(true);
    Barra_->setAlignment(Qt::AlignCenter);
}

void TFPrincipal::CriaBotoes() {
    btnConverter_ = CriaBotao(this, "btnConverter", QStringLiteral("&Converter"),
                              QRect(445, 305, 83, 25), ":/vorlanda/converter.svg");
    // What Enter starts when the focus is on no other button.
    btnConverter_->setDefault(true);

    // Shown only while a run goes, on the free end of the buttons' line.
    btnVerificar_ = CriaBotao(this, "btnVerificar", QStringLiteral("&Verificar"),
                              QRect(357, 305, 83, 25), ":/vorlanda/abrir.svg");
    // In the place of "Verificar", which a run hides.
    btnCancelar_ = CriaBotao(this, "btnCancelar", QStringLiteral("Ca&ncelar"),
                             QRect(357, 305, 83, 25), ":/vorlanda/sair.svg");
    btnCancelar_->hide();
    lblAndamento_ = Cria<QLabel>(this, "lblAndamento");
    lblAndamento_->setGeometry(8, 310, 340, 15);
    btnSair_ = CriaBotao(this, "btnSair", QStringLiteral("&Sair"), QRect(533, 306, 83, 25),
                         ":/vorlanda/sair.svg");
}

void TFPrincipal::AmpliaComAFonte() {
    // The design is in pixels of a 96-dpi screen. Qt scales the whole window on a screen of
    // more pixels, but where only the fonts are set larger (144 dpi without scaling), the texts
    // would be cut and the boxes overlap: places and sizes then grow with the font. At 96 dpi
    // nothing moves.
    const double scale = logicalDpiY() / 96.0;
    if (scale <= 1.0)
        return;
    const auto scaled = [scale](int pixels) { return qRound(pixels * scale); };
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow())
            continue;
        const QRect design = child->geometry();
        QSize size(scaled(design.width()), scaled(design.height()));
        if (child->property("tamanhoDoTexto").toBool())
            size = child->size(); // already as large as its text in the larger font
        else if (qobject_cast<QCheckBox*>(child))
            size.setWidth(child->sizeHint().width());
        child->setGeometry(QRect(QPoint(scaled(design.x()), scaled(design.y())), size));
        if (const QString figura = child->property("figura").toString(); !figura.isEmpty())
            static_cast<QLabel*>(child)->setPixmap(
                SvgPicture(figura, size, child->devicePixelRatioF()));
        if (auto* button = qobject_cast<QPushButton*>(child))
            button->setIconSize(QSize(scaled(16), scaled(16)));
    }
    lblInfo_->setFixedSize(scaled(609), lblInfo_->fontMetrics().height());
    setFixedSize(scaled(628), scaled(334));
}

void TFPrincipal::DefineOrdemTabulacao() {
    // The group box, the target path box, the header, "Abrir", "Verificar", "Converter", "Sair",
    // the source name box, then "Origem...", the backup's box and "Cancelar", which only a run
    // shows. The group box and the header take no focus themselves: the group's boxes stand for it,
    // and the header has nothing to focus.
    const QList<QWidget*> order{chkCLientes_,
                                chkFornecedores_,
                                chkProdutos_,
                                chkGruposProdutos_,
                                chkClassificacaoFiscal_,
                                edtCaminhoBDDestino_,
                                btnAbrir_,
                                btnVerificar_,
                                btnConverter_,
                                btnSair_,
                                edtCaminhoBDOrigem_,
                                btnOrigem_,
                                chkCopiaSeguranca_,
                                btnCancelar_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFPrincipal::ConectaBotoes() {
    connect(btnAbrir_, &QPushButton::clicked, this,
            [this] { RunShowingErrors([this] { btnAbrirClick(btnAbrir_); }); });
    connect(btnConverter_, &QPushButton::clicked, this,
            [this] { RunShowingErrors([this] { btnConverterClick(btnConverter_); }); });
    connect(btnVerificar_, &QPushButton::clicked, this,
            [this] { RunShowingErrors([this] { btnVerificarClick(); }); });
    connect(btnSair_, &QPushButton::clicked, this,
            [this] { RunShowingErrors([this] { btnSairClick(btnSair_); }); });
    connect(btnCancelar_, &QPushButton::clicked, this, [this] { CancelaConversao(); });
    connect(btnOrigem_, &QPushButton::clicked, this,
            [this] { RunShowingErrors([this] { btnOrigemClick(); }); });
}

void TFPrincipal::btnAbrirClick(QObject* /*Sender*/) {
    QSettings settings;
    const QString folder = settings.value(kPastaDestino).toString();
    const std::optional<QString> chosen = chooser_->ChooseFile(
        this,
        !folder.isEmpty() && QDir(folder).exists() ? folder
                                                   : QCoreApplication::applicationDirPath(),
        QStringLiteral("Bancos Firebird (*.FB *.FDB);;Todos os arquivos (*)"));
    // Cancelling leaves the file connected before as it was, so the box keeps telling the truth.
    if (!chosen)
        return;
    ibtTransacaoOrvalis_.SetActive(false);
    ibdOrvalis_.SetConnected(false);
    const QString path = QDir::toNativeSeparators(*chosen);
    settings.setValue(kPastaDestino, QFileInfo(*chosen).absolutePath());
    edtCaminhoBDDestino_->setText(path);
    ibdOrvalis_.SetDatabaseName(path);
    try {
        Conecta();
    } catch (...) {
        // A file the engine refused must not look chosen.
        edtCaminhoBDDestino_->clear();
        MostraEstadoDestino();
        throw;
    }
    if (ibdOrvalis_.TestConnected())
        ibtTransacaoOrvalis_.SetActive(true);
    MostraEstadoDestino();
}

void TFPrincipal::Conecta() {
    // A server that does not answer, or an engine held by a stuck process, may keep the attach
    // waiting for minutes: meanwhile the window paints, tells what it waits for and lets the
    // operator leave.
    const auto reabilita = qScopeGuard([this] {
        connecting_ = false;
        HabilitaBotoes();
    });
    connecting_ = true;
    DesabilitaBotoes();
    lblStatusDestino_->setText(QStringLiteral("Conectando..."));
    RunInBackground([this] { ibdOrvalis_.SetConnected(true); });
}

void TFPrincipal::CarregaOrigem() {
    const QSettings settings;
    if (!settings.contains(kBanco))
        return; // the fixed parameters stand
    SourceParameters parameters;
    SetServer(parameters, settings.value(kServidor).toString());
    parameters.port = settings.value(kPorta).toUInt();
    parameters.userName = settings.value(kUsuario, parameters.userName).toString();
    parameters.database = settings.value(kBanco).toString();
    if (settings.contains(kSenha))
        parameters.password = settings.value(kSenha).toString();
    scoBdOrigem_.SetParameters(parameters);
    edtCaminhoBDOrigem_->setText(parameters.database);
}

void TFPrincipal::AplicaOrigem(const SourceParameters& parameters, bool lembrarSenha) {
    scoBdOrigem_.SetParameters(parameters);
    edtCaminhoBDOrigem_->setText(parameters.database);
    QSettings settings;
    settings.setValue(kServidor,
                      parameters.socket.isEmpty() ? parameters.hostName : parameters.socket);
    settings.setValue(kPorta, parameters.port);
    settings.setValue(kUsuario, parameters.userName);
    settings.setValue(kBanco, parameters.database);
    // The password is kept on disk only when the operator asked for it.
    if (lembrarSenha && parameters.password)
        settings.setValue(kSenha, *parameters.password);
    else
        settings.remove(kSenha);
}

QString TFPrincipal::TestaOrigem(const SourceParameters& parameters) {
    // A server that does not answer must not freeze the dialog.
    std::vector<LegacyCount> counts;
    RunInBackground([&] {
        SourceConnection source(parameters);
        counts = CountLegacyRows(source);
    });
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QStringList found;
    for (const LegacyCount& count : counts) {
        QCheckBox* box = CaixaDaTabela(count.key);
        const QString shown = brasil.toString(count.rows);
        box->setText(QStringLiteral("%1 (%2)").arg(box->property("texto").toString(), shown));
        box->resize(box->sizeHint().width(), box->height());
        found.append(QStringLiteral("%1: %2").arg(count.table, shown));
    }
    return QStringLiteral("Conectado. Registros: ") + found.join(QStringLiteral(", "));
}

QCheckBox* TFPrincipal::CaixaDaTabela(const QString& key) const {
    for (const auto& [box, boxKey] : CaixasPorChave())
        if (key == QStringView(boxKey))
            return box;
    return nullptr;
}

std::array<std::pair<QCheckBox*, const char16_t*>, 5> TFPrincipal::CaixasPorChave() const {
    return {{
        {chkCLientes_, u"CLIENTES"},
        {chkFornecedores_, u"FORNECEDORES"},
        {chkGruposProdutos_, u"GRUPOSPRODUTOS"},
        {chkClassificacaoFiscal_, u"CLASSIFICACAOFISCAL"},
        {chkProdutos_, u"PRODUTOS"},
    }};
}

void TFPrincipal::btnOrigemClick() {
    SourceDialog dialog(
        scoBdOrigem_.Parameters(), QSettings().contains(kSenha),
        [this](const SourceParameters& parameters) { return TestaOrigem(parameters); }, this);
    if (dialog.exec() == QDialog::Accepted)
        AplicaOrigem(dialog.Parameters(), dialog.RememberPassword());
}

void TFPrincipal::MostraEstadoDestino() {
    if (!ibdOrvalis_.Connected()) {
        lblStatusDestino_->setText(
            edtCaminhoBDDestino_->text().isEmpty() ? QString() : QStringLiteral("Não conectado"));
        edtCaminhoBDDestino_->setToolTip(QStringLiteral("Nenhum banco de dados conectado"));
        return;
    }
    QString estado = QStringLiteral("Conectado: dialeto %1").arg(ibdOrvalis_.Dialect());
    // A file of this machine has a size to show; one behind a server does not.
    const QFileInfo file(ibdOrvalis_.DatabaseName());
    if (file.isFile())
        estado += QStringLiteral(", ") +
                  QLocale(QLocale::Portuguese, QLocale::Brazil)
                      .formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat);
    lblStatusDestino_->setText(estado);
    edtCaminhoBDDestino_->setToolTip(QStringLiteral("Conectado a ") + ibdOrvalis_.DatabaseName());
}

void TFPrincipal::btnConverterClick(QObject* /*Sender*/) {
    if (VerificaCaminhoBDVazio())
        return;
    if (VerificaConexaoBD())
        return;
    if (VerificaTabelasMarcadas())
        return;
    // The backup and the report of one run share their time stamp.
    const QDateTime agora = QDateTime::currentDateTime();
    const QString copia = ArquivoCopiaSeguranca(agora);
    const QString relatorio = ArquivoRelatorio(agora);
    if (!ConfirmaApagar(copia))
        return;
    EmSegundoPlano([&](const ParameterList& MParams, RunProgress& progress) {
        TClassesConversaoController controller;
        controller.SetBackupFile(copia);
        controller.SetReportFile(relatorio);
        controller.FEfetuaConversao(MParams, scoBdOrigem_, ibdOrvalis_, ibtTransacaoOrvalis_,
                                    progress.RunGauge(), progress.RunCaption());
    });
}

void TFPrincipal::btnVerificarClick() {
    if (VerificaCaminhoBDVazio() || VerificaConexaoBD() || VerificaTabelasMarcadas())
        return;
    // Beside the target, as a run's report, in the operator's own folder for a server's.
    const QString relatorio = CheckReportFileFor(ibdOrvalis_.DatabaseName(), QDir::homePath(),
                                                 QDateTime::currentDateTime());
    bool limpo = false;
    QString lista;
    EmSegundoPlano([&](const ParameterList& MParams, RunProgress& progress) {
        TClassesConversaoController controller;
        controller.SetReportFile(relatorio);
        limpo =
            controller.FVerificaConversao(MParams, scoBdOrigem_, ibdOrvalis_, ibtTransacaoOrvalis_,
                                          progress.RunGauge(), progress.RunCaption());
        lista = CheckListing(controller.Report()) + QStringLiteral("\n\n") +
                controller.OutcomeDetails();
    });
    // A window that is closing shows nothing more.
    if (closeAfterRun_ || endingBySignal_)
        return;
    userInterface_->ShowListing(limpo ? MessageKind::Information : MessageKind::Error,
                                QStringLiteral("Verificação"), lista);
}

void TFPrincipal::EmSegundoPlano(
    const std::function<void(const ParameterList&, RunProgress&)>& work) {
    // Whatever the run does, even an error that escapes the controller, the operator gets the
    // buttons back; the list is released before.
    // The focus goes back to "Converter": left where the disabled buttons pushed it, on a box,
    // the operator's next Space would untick it.
    const auto reabilita = qScopeGuard([this] {
        running_ = false;
        progress_ = nullptr;
        btnCancelar_->hide();
        btnVerificar_->show();
        HabilitaBotoes();
        MostraEstadoDestino();
        btnConverter_->setFocus();
        if (closeAfterRun_)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    running_ = true;
    ClearInterruption();
    DesabilitaBotoes();
    btnVerificar_->hide();
    btnCancelar_->setEnabled(true);
    btnCancelar_->show();
    ParameterList MParams;
    pIniciaListaParametros(MParams);
    pCarregaParametros(MParams);
    RunProgress progress(*lblAndamento_, *lblInfo_, *Barra_);
    progress_ = &progress;
    if (endingBySignal_)
        progress.PrintMessagesInstead();
    // The run has both connections to itself on its own thread, so that the window paints and
    // answers "Cancelar" while the engines work or wait.
    RunInBackground([&] { work(MParams, progress); });
}

bool TFPrincipal::ConfirmaApagar(const QString& copia) {
    std::vector<const RunTable*> marcadas;
    for (const RunTable& tabela : RunTables())
        if (CaixaDaTabela(QString::fromUtf16(tabela.key))->isChecked())
            marcadas.push_back(&tabela);
    // Counted on the window's thread before the run starts: quick, and no event of the window
    // comes in between.
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QString apagados;
    for (const HeldRows& held : RowsToEmpty(marcadas, ibdOrvalis_))
        apagados += QStringLiteral("\n%1: %2 registros serão apagados")
                        .arg(held.table, brasil.toString(held.rows));
    // Nothing to lose, nothing to ask.
    if (apagados.isEmpty())
        return true;
    const QString aviso =
        copia.isEmpty()
            ? QStringLiteral("Nenhuma cópia de segurança será feita.")
            : QStringLiteral("Antes, uma cópia de segurança será feita em %1").arg(copia);
    return userInterface_->ConfirmAction(
        QStringLiteral("As tabelas marcadas serão esvaziadas e convertidas de novo:") + apagados +
            QStringLiteral("\n\n") + aviso,
        QStringLiteral("Converter"));
}

QString TFPrincipal::ArquivoCopiaSeguranca(const QDateTime& agora) const {
    if (!chkCopiaSeguranca_->isChecked())
        return {};
    // A target on a server gets its backup in the operator's own folder.
    return BackupFileFor(ibdOrvalis_.DatabaseName(), QDir::homePath(), agora);
}

QString TFPrincipal::ArquivoRelatorio(const QDateTime& agora) const {
    // Beside the backup, in the operator's own folder for a target on a server.
    return ReportFileFor(ibdOrvalis_.DatabaseName(), QDir::homePath(), agora);
}

void TFPrincipal::btnSairClick(QObject* /*Sender*/) {
    if (ibtTransacaoOrvalis_.InTransaction())
        ibtTransacaoOrvalis_.Rollback();
    close();
    if (FPrincipal == this) {
        FPrincipal = nullptr;
        deleteLater();
    }
}

bool TFPrincipal::VerificaCaminhoBDVazio() {
    if (!edtCaminhoBDDestino_->text().isEmpty())
        return false;
    CurrentUserInterface().ShowWarning(QStringLiteral("O caminho do banco de dados está vazio!"));
    return true;
}

bool TFPrincipal::VerificaConexaoBD() {
    const bool connected = ibdOrvalis_.TestConnected();
    MostraEstadoDestino();
    if (connected)
        return false;
    CurrentUserInterface().ShowWarning(
        QStringLiteral("Não foi possível se conectar ao Banco de Dados! Verifique sua conexão ou "
                       "se o arquivo selecionado é válido! "));
    return true;
}

bool TFPrincipal::VerificaTabelasMarcadas() {
    const auto caixas = CaixasPorChave();
    if (std::any_of(caixas.begin(), caixas.end(),
                    [](const auto& caixa) { return caixa.first->isChecked(); }))
        return false;
    // A run of no table would empty nothing and convert nothing, yet end in success.
    CurrentUserInterface().ShowWarning(QStringLiteral("Marque ao menos uma tabela"));
    return true;
}

void TFPrincipal::pIniciaListaParametros(ParameterList& MParams) const {
    for (const char16_t* key :
         {u"CLIENTES", u"FORNECEDORES", u"GRUPOSPRODUTOS", u"CLASSIFICACAOFISCAL", u"PRODUTOS",
          u"CAMINHO BD DESTINO", u"CAMINHO BD ORIGEM"})
        MParams.Add(QString::fromUtf16(key));
}

void TFPrincipal::pCarregaParametros(ParameterList& MParams) const {
    for (const auto& [box, key] : CaixasPorChave())
        if (box->isChecked())
            MParams.SetValue(QString::fromUtf16(key), QStringLiteral("S"));
}

void TFPrincipal::DesabilitaBotoes() {
    SetBotoesEnabled(false);
}

void TFPrincipal::HabilitaBotoes() {
    SetBotoesEnabled(true);
}

void TFPrincipal::SetBotoesEnabled(bool enabled) {
    btnAbrir_->setEnabled(enabled);
    btnConverter_->setEnabled(enabled);
    btnVerificar_->setEnabled(enabled);
    btnSair_->setEnabled(enabled);
    gbxTabelasConverter_->setEnabled(enabled);
    btnOrigem_->setEnabled(enabled);
    chkCopiaSeguranca_->setEnabled(enabled);
}

void TFPrincipal::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses the button that has the focus, and "Converter" from anywhere else.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* button = focused ? focused : btnConverter_;
        if (button->isEnabled())
            button->click();
        return;
    }
    case Qt::Key_Escape:
        if (!running_ && !connecting_ && btnSair_->isEnabled())
            btnSair_->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TFPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // Queued, so that the window system has given the window its frame by then.
    QMetaObject::invokeMethod(this, &TFPrincipal::MoveOntoScreen, Qt::QueuedConnection);
}

void TFPrincipal::MoveOntoScreen() {
    // The designed place may lie partly off a small or scaled screen, buttons included: the
    // window moves just as far as it takes to be wholly on it.
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = std::clamp(frame.left(), screen.left(),
                                std::max(screen.left(), screen.right() + 1 - frame.width()));
    const int top = std::clamp(frame.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(pos() + QPoint(left - frame.left(), top - frame.top()));
}

void TFPrincipal::CancelaConversao() {
    if (!running_)
        return;
    btnCancelar_->setEnabled(false); // once is enough; the run stops at its next row
    Interrompe(u"Conversão cancelada pelo operador");
}

void TFPrincipal::Interrompe(const char16_t* reason) {
    RequestInterruption(reason);
    // A run waiting for its source would see the request only once the source answered.
    scoBdOrigem_.Abort();
}

void TFPrincipal::EndBySignal() {
    endingBySignal_ = true;
    // A box waiting for the operator (the end of a run, a question) would keep the program
    // open; it is answered as if closed.
    while (QWidget* box = QApplication::activeModalWidget()) {
        if (!box->close())
            break;
    }
    // Nothing has been written while the target is being connected; an engine that does not
    // answer would keep the program from ending.
    if (connecting_)
        ConversionApplication::EndWithoutWaiting();
    if (!running_) {
        close();
        return;
    }
    closeAfterRun_ = true;
    if (progress_)
        progress_->PrintMessagesInstead();
    Interrompe(u"Conversão interrompida (sinal recebido)");
}

void TFPrincipal::closeEvent(QCloseEvent* event) {
    // The title bar must not close the window from under a run, but may ask to cancel the run
    // and close once it has stopped.
    if (connecting_) {
        event->ignore();
        if (userInterface_->Confirm(QStringLiteral(
                "O banco de dados de destino ainda não respondeu. Fechar o programa sem esperar?")))
            ConversionApplication::EndWithoutWaiting();
        return;
    }
    if (!running_) {
        event->accept();
        return;
    }
    event->ignore();
    if (!closeAfterRun_ && userInterface_->Confirm(QStringLiteral(
                               "Uma conversão está em andamento. Cancelar a conversão e fechar o "
                               "programa?"))) {
        closeAfterRun_ = true;
        CancelaConversao();
    }
}

} // namespace vorlanda
