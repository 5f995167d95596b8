#include "app/UPrincipal.h"

#include "app/RunProgress.h"
#include "app/SourceDialog.h"

#include "db/Error.h"
#include "db/TargetQuery.h"
#include "run/ParameterList.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/Interruption.h"
#include "ui/RecordingUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace vorlanda;

namespace {

using Kind = RecordingUserInterface::Kind;
using Messages = std::vector<RecordingUserInterface::Message>;

const QString kCaminhoVazio = QStringLiteral("O caminho do banco de dados está vazio!");
const QString kSemConexao =
    QStringLiteral("Não foi possível se conectar ao Banco de Dados! Verifique sua conexão ou se "
                   "o arquivo selecionado é válido! ");

// Answers the window's file requests from a script instead of a person.
class ScriptedChooser final : public TargetFileChooser {
public:
    struct Request {
        QString initialFolder;
        QString filter;
    };

    std::deque<std::optional<QString>> answers;
    std::vector<Request> requests;

    std::optional<QString> ChooseFile(QWidget*, const QString& initialFolder,
                                      const QString& filter) override {
        requests.push_back({initialFolder, filter});
        if (answers.empty())
            throw std::logic_error("the test did not expect another file request");
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The window with a recording user interface and a scripted file chooser.
struct WindowUnderTest {
    explicit WindowUnderTest(UserInterface& ui)
        : chooser(new ScriptedChooser), window(&ui, std::unique_ptr<TargetFileChooser>(chooser)) {}

    template <typename Widget = QWidget> Widget& Find(const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no widget named ") + name);
        return *widget;
    }

    void Abrir(std::optional<QString> answer) {
        chooser->answers.push_back(std::move(answer));
        Find<QPushButton>("btnAbrir").click();
    }

    ScriptedChooser* chooser; // owned by the window
    TFPrincipal window;
};

QString TextOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    if (auto* bar = qobject_cast<const QProgressBar*>(&widget))
        return bar->text();
    return {};
}

// What the operator can reach while the importers let events through.
struct Snapshot {
    bool abrir, converter, sair, tabelas, caixas;
    QString info;
    QString barra;
    bool closed;
};

// A recording user interface that also looks at the window each time the run lets pending
// events through, and tries to close it by its title bar.
class ObservingUserInterface final : public UserInterface {
public:
    void ShowWarning(const QString& text) override { recorder.ShowWarning(text); }
    void ShowError(const QString& text) override { recorder.ShowError(text); }
    void ShowInformation(const QString& text) override { recorder.ShowInformation(text); }
    void ProcessPendingEvents() override {
        QCoreApplication::processEvents();
        if (!watched)
            return;
        const auto enabled = [this](const char* name) { return watched->Find(name).isEnabled(); };
        bool caixas = false;
        for (const QCheckBox* box : watched->window.findChildren<QCheckBox*>())
            caixas = caixas || box->isEnabled();
        snapshots.push_back({enabled("btnAbrir"), enabled("btnConverter"), enabled("btnSair"),
                             enabled("gbxTabelasConverter"), caixas,
                             watched->Find<QLabel>("lblInfo").text(),
                             watched->Find<QProgressBar>("Barra").text(), watched->window.close()});
    }

    RecordingUserInterface recorder;
    WindowUnderTest* watched = nullptr;
    std::vector<Snapshot> snapshots;
};

void ExpectControlsEnabled(WindowUnderTest& w, bool enabled) {
    for (const char* name : {"btnAbrir", "btnConverter", "btnSair", "gbxTabelasConverter",
                             "chkCLientes", "chkProdutos"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(w.Find(name).isEnabled(), enabled);
    }
}

} // namespace

TEST(TFPrincipalDesign, ComponentsHaveTheirNamesPlacesTextsAndTabOrder) {
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    EXPECT_EQ(w.window.objectName(), QStringLiteral("FPrincipal"));
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Conversor Farmácia Vorlanda"));
    EXPECT_EQ(w.window.minimumSize(), QSize(628, 334));
    EXPECT_EQ(w.window.maximumSize(), QSize(628, 334));
    EXPECT_EQ(w.window.pos(), QPoint(342, 110));
    EXPECT_TRUE(w.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.window.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(w.window.font().pointSize(), 8);

    // A width of 0 marks a component that takes the size of its text.
    struct Case {
        const char* name;
        const char* parent;
        QRect place;
        const char* text;
        bool bold;
    };
    const Case cases[] = {
        {"pnlCabecalho", "FPrincipal", {0, 0, 633, 73}, "", false},
        {"imgLogo", "pnlCabecalho", {1, 10, 137, 64}, "", false},
        {"imgComp", "pnlCabecalho", {503, 1, 132, 71}, "", false},
        {"Label2",
         "pnlCabecalho",
         {150, 25, 0, 0},
         "Ferramenta de Conversão de Dados - Farmácia Vorlanda",
         true},
        {"edtCaminhoBDOrigem", "FPrincipal", {5, 105, 164, 21}, "velarim", true},
        {"Label1", "FPrincipal", {6, 130, 0, 0}, "Caminho do Banco de Dados Orvalis: ", true},
        {"edtCaminhoBDDestino", "FPrincipal", {5, 148, 516, 21}, "", false},
        {"btnAbrir", "FPrincipal", {533, 145, 83, 25}, "&Abrir", false},
        {"gbxTabelasConverter", "FPrincipal", {5, 176, 612, 86}, "Tabelas à converter", true},
        {"chkCLientes", "gbxTabelasConverter", {10, 21, 0, 0}, "C&lientes", false},
        {"chkFornecedores", "gbxTabelasConverter", {155, 21, 0, 0}, "&Fornecedores", false},
        {"chkProdutos", "gbxTabelasConverter", {320, 21, 0, 0}, "&Produtos", false},
        {"chkGruposProdutos", "gbxTabelasConverter", {10, 52, 0, 0}, "&Grupos de Produtos", false},
        {"chkClassificacaoFiscal",
         "gbxTabelasConverter",
         {155, 52, 0, 0},
         "Classificação F&iscal",
         false},
        {"lblInfo", "FPrincipal", {8, 267, 0, 0}, "", true},
        {"Barra", "FPrincipal", {6, 283, 611, 15}, "0%", false},
        {"btnConverter", "FPrincipal", {445, 305, 83, 25}, "&Converter", false},
        {"btnSair", "FPrincipal", {533, 306, 83, 25}, "&Sair", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QWidget& widget = w.Find(c.name);
        EXPECT_EQ(widget.parentWidget()->objectName(), QString::fromLatin1(c.parent));
        EXPECT_EQ(widget.pos(), c.place.topLeft());
        if (c.place.width() > 0) {
            EXPECT_EQ(widget.size(), c.place.size());
        } else if (!TextOf(widget).isEmpty()) {
            // A mnemonic's "&" is not drawn.
            EXPECT_GE(widget.width(),
                      widget.fontMetrics().horizontalAdvance(QString(TextOf(widget)).remove(u'&')));
        }
        EXPECT_EQ(TextOf(widget), QString::fromUtf8(c.text));
        EXPECT_EQ(widget.font().bold(), c.bold);
    }
    const QLabel& titulo = w.Find<QLabel>("Label2");
    EXPECT_EQ(titulo.font().pointSize(), 11);
    EXPECT_EQ(titulo.palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00));

    // The focus chain from the first box, over what can take the focus.
    QStringList order;
    QWidget* widget = &w.Find("chkCLientes");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != &w.Find("chkCLientes"));
    EXPECT_EQ(order, (QStringList{u"chkCLientes"_qs, u"chkFornecedores"_qs, u"chkProdutos"_qs,
                                  u"chkGruposProdutos"_qs, u"chkClassificacaoFiscal"_qs,
                                  u"edtCaminhoBDDestino"_qs, u"btnAbrir"_qs, u"btnConverter"_qs,
                                  u"btnSair"_qs, u"edtCaminhoBDOrigem"_qs, u"btnOrigem"_qs,
                                  u"btnCancelar"_qs})); // the last, during a run
}

TEST(TFPrincipalDesign, StartsDisconnectedWithTheFixedSourceNothingTickedAndTheGaugeAtZero) {
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    EXPECT_EQ(&CurrentUserInterface(), &ui);

    const auto& origem = w.Find<QLineEdit>("edtCaminhoBDOrigem");
    EXPECT_FALSE(origem.isEnabled());
    EXPECT_TRUE(origem.isReadOnly());
    // The path cannot be typed, but can be selected and copied.
    EXPECT_TRUE(w.Find<QLineEdit>("edtCaminhoBDDestino").isEnabled());
    EXPECT_TRUE(w.Find<QLineEdit>("edtCaminhoBDDestino").isReadOnly());
    for (const QCheckBox* box : w.window.findChildren<QCheckBox*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(box->isEnabled());
    }
    const auto& barra = w.Find<QProgressBar>("Barra");
    EXPECT_EQ(barra.minimum(), 0);
    EXPECT_EQ(barra.maximum(), 100);
    EXPECT_EQ(barra.value(), 0);
    EXPECT_TRUE(barra.isTextVisible());
    for (const char* name : {"imgLogo", "imgComp"}) {
        SCOPED_TRACE(name);
        const QPixmap picture = w.Find<QLabel>(name).pixmap();
        ASSERT_FALSE(picture.isNull());
        const QSizeF shown = picture.deviceIndependentSize();
        const QSize frame = w.Find(name).size();
        EXPECT_TRUE(qFuzzyCompare(shown.width(), frame.width()) ||
                    qFuzzyCompare(shown.height(), frame.height()));
        EXPECT_LE(shown.width(), frame.width());
        EXPECT_LE(shown.height(), frame.height());
    }
    for (const char* name : {"btnAbrir", "btnConverter", "btnSair"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(w.Find<QPushButton>(name).icon().isNull());
    }

    EXPECT_FALSE(w.window.ibdOrvalis().Connected());
    EXPECT_TRUE(w.window.ibdOrvalis().DatabaseName().isEmpty());
    EXPECT_EQ(w.window.ibdOrvalis().DefaultTransaction(), &w.window.ibtTransacaoOrvalis());
    EXPECT_EQ(w.window.ibtTransacaoOrvalis().DefaultDatabase(), &w.window.ibdOrvalis());
    EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
    const SourceParameters& source = w.window.scoBdOrigem().Parameters();
    EXPECT_EQ(source.hostName, QStringLiteral("localhost"));
    EXPECT_EQ(source.database, QStringLiteral("velarim"));
    EXPECT_EQ(source.userName, QStringLiteral("root"));
    EXPECT_FALSE(source.password.has_value());
    EXPECT_EQ(source.connectTimeout, 60u);
    EXPECT_FALSE(w.window.scoBdOrigem().Connected());
}

// The caption changes for every converted row; were the label's size left to its text, each
// change would have the window lay itself out again.
TEST(TFPrincipalDesign, ANewProgressCaptionAsksTheWindowForNoNewLayout) {
    struct LayoutRequests : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::LayoutRequest;
            return false;
        }
    } requests;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.show();
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    w.window.installEventFilter(&requests);
    auto& info = w.Find<QLabel>("lblInfo");
    const QRect place = info.geometry();
    for (int row = 1; row <= 100; ++row) {
        info.setText(QStringLiteral("Convertendo Clientes - Registro %1 de 100").arg(row));
        QApplication::sendPostedEvents();
    }
    EXPECT_EQ(requests.count, 0);
    EXPECT_EQ(info.geometry(), place);
}

TEST(TFPrincipalConverter, EmptyPathShowsOnlyThePathWarning) {
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.Find<QPushButton>("btnConverter").click();

    EXPECT_EQ(ui.Messages(), (Messages{{Kind::Warning, kCaminhoVazio}}));
    ExpectControlsEnabled(w, true);
}

TEST(TFPrincipalAbrir, ConfirmedFileIsShownConnectedAndItsTransactionStarted) {
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.Abrir(target.Path());

    ASSERT_EQ(w.chooser->requests.size(), 1u);
    EXPECT_EQ(w.chooser->requests[0].initialFolder, QCoreApplication::applicationDirPath());
    EXPECT_EQ(w.chooser->requests[0].filter,
              QStringLiteral("Bancos Firebird (*.FB *.FDB);;Todos os arquivos (*)"));
    EXPECT_EQ(w.Find<QLineEdit>("edtCaminhoBDDestino").text(), target.Path());
    EXPECT_TRUE(w.Find<QLabel>("lblStatusDestino").text().startsWith(u"Conectado: dialeto 1, "_qs))
        << w.Find<QLabel>("lblStatusDestino").text().toStdString();
    EXPECT_EQ(w.Find("edtCaminhoBDDestino").toolTip(), u"Conectado a "_qs + target.Path());
    EXPECT_EQ(w.window.ibdOrvalis().DatabaseName(), target.Path());
    EXPECT_TRUE(w.window.ibdOrvalis().Connected());
    EXPECT_TRUE(w.window.ibtTransacaoOrvalis().InTransaction());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(TFPrincipalAbrir, CancelKeepsTheFileConnectedAndTheDialogStartsInItsFolder) {
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.Abrir(target.Path());
    w.Abrir(std::nullopt);

    ASSERT_EQ(w.chooser->requests.size(), 2u);
    EXPECT_EQ(w.chooser->requests[1].initialFolder, QFileInfo(target.Path()).absolutePath());
    EXPECT_EQ(w.Find<QLineEdit>("edtCaminhoBDDestino").text(), target.Path());
    EXPECT_TRUE(w.window.ibdOrvalis().Connected());
    EXPECT_TRUE(w.window.ibtTransacaoOrvalis().InTransaction());
    EXPECT_TRUE(w.Find<QLabel>("lblStatusDestino").text().startsWith(u"Conectado"_qs));

    // The folder is remembered by the next window too.
    WindowUnderTest next(ui);
    next.Abrir(std::nullopt);
    EXPECT_EQ(next.chooser->requests[0].initialFolder, QFileInfo(target.Path()).absolutePath());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(TFPrincipalAbrir, ChoosingTheSameFileAgainRollsBackAndReconnects) {
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.Abrir(target.Path());
    {
        TargetQuery insert(w.window.ibdOrvalis());
        insert.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES "
                                     "('001', 'Medicamentos')"));
        insert.ExecSQL();
    }
    w.Abrir(target.Path());

    EXPECT_TRUE(w.window.ibdOrvalis().Connected());
    EXPECT_TRUE(w.window.ibtTransacaoOrvalis().InTransaction());
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).empty());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(TFPrincipalAbrir, AFileThatIsNoDatabaseShowsTheServersMessageAndStaysDisconnected) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NOTAS.FB"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("isto não é um banco de dados\n");
    file.close();

    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.Abrir(path);

    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].kind, Kind::Error);
    EXPECT_FALSE(ui.Messages()[0].text.isEmpty());
    // The refused path does not stay in the box as if it were connected.
    EXPECT_EQ(w.Find<QLineEdit>("edtCaminhoBDDestino").text(), QString());
    EXPECT_EQ(w.Find("edtCaminhoBDDestino").toolTip(), u"Nenhum banco de dados conectado"_qs);
    EXPECT_FALSE(w.window.ibdOrvalis().Connected());
    EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
    ExpectControlsEnabled(w, true);
}

TEST(TFPrincipalParametros, TickedBoxesAddKeyEqualsSAfterTheSevenBareKeys) {
    const QStringList bare{
        u"CLIENTES"_qs, u"FORNECEDORES"_qs,       u"GRUPOSPRODUTOS"_qs,   u"CLASSIFICACAOFISCAL"_qs,
        u"PRODUTOS"_qs, u"CAMINHO BD DESTINO"_qs, u"CAMINHO BD ORIGEM"_qs};
    struct Case {
        QStringList ticked;
        QStringList added;
    };
    const Case cases[] = {
        {{}, {}},
        {{u"chkProdutos"_qs, u"chkCLientes"_qs, u"chkClassificacaoFiscal"_qs},
         {u"CLIENTES=S"_qs, u"CLASSIFICACAOFISCAL=S"_qs, u"PRODUTOS=S"_qs}},
        {{u"chkCLientes"_qs, u"chkFornecedores"_qs, u"chkProdutos"_qs, u"chkGruposProdutos"_qs,
          u"chkClassificacaoFiscal"_qs},
         {u"CLIENTES=S"_qs, u"FORNECEDORES=S"_qs, u"GRUPOSPRODUTOS=S"_qs,
          u"CLASSIFICACAOFISCAL=S"_qs, u"PRODUTOS=S"_qs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticked.join(u' ').toStdString());
        RecordingUserInterface ui;
        WindowUnderTest w(ui);
        for (const QString& name : c.ticked)
            w.window.findChild<QCheckBox*>(name)->setChecked(true);

        ParameterList MParams;
        w.window.pIniciaListaParametros(MParams);
        EXPECT_EQ(MParams.Lines(), bare);
        w.window.pCarregaParametros(MParams);
        EXPECT_EQ(MParams.Lines(), bare + c.added);

        for (const QString& key : bare) {
            const bool ticked = c.added.contains(key + u"=S"_qs);
            EXPECT_EQ(MParams.Value(key), ticked ? u"S"_qs : QString()) << key.toStdString();
        }
    }
}

TEST(TFPrincipalConverter, ControlsStayDisabledThroughoutARunAndComeBackAfterIt) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Medicamentos'), "
                    u"(2, 'Perfumaria'), (3, 'Higiene pessoal')"_qs});
    ScratchTarget target;
    ObservingUserInterface ui;
    WindowUnderTest w(ui);
    ui.watched = &w;
    w.window.scoBdOrigem().SetParameters(legacy.Parameters());
    w.window.show();
    w.Abrir(target.Path());
    w.Find<QCheckBox>("chkGruposProdutos").setChecked(true);

    w.Find<QPushButton>("btnConverter").click();

    ASSERT_EQ(ui.snapshots.size(), 3u);
    const char* const barra[] = {"0%", "33%", "66%"};
    for (std::size_t i = 0; i < ui.snapshots.size(); ++i) {
        SCOPED_TRACE(i);
        const Snapshot& s = ui.snapshots[i];
        EXPECT_FALSE(s.abrir || s.converter || s.sair || s.tabelas || s.caixas);
        EXPECT_EQ(s.info, QStringLiteral("Convertendo Grupos de produtos - Registro %1 de 3")
                              .arg(static_cast<int>(i) + 1));
        EXPECT_EQ(s.barra, QString::fromLatin1(barra[i]));
        EXPECT_FALSE(s.closed);
    }
    EXPECT_EQ(ui.recorder.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    ExpectControlsEnabled(w, true);
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_TRUE(w.Find<QLabel>("lblInfo").text().isEmpty());
    EXPECT_EQ(w.Find<QProgressBar>("Barra").text(), QStringLiteral("0%"));
    EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO, DESCRICAO FROM GRUPROD ORDER BY 1")),
              (std::vector<QStringList>{{u"001"_qs, u"Medicamentos"_qs},
                                        {u"002"_qs, u"Perfumaria"_qs},
                                        {u"003"_qs, u"Higiene pessoal"_qs}}));
}

TEST(TFPrincipalConverter, ControlsComeBackAfterAFailedRun) {
    LegacyDatabase legacy;
    // Both codes end in 005, the code of the target.
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Medicamentos'), "
                    u"(2005, 'Genéricos')"_qs});
    ScratchTarget target;
    ObservingUserInterface ui;
    WindowUnderTest w(ui);
    ui.watched = &w;
    w.window.scoBdOrigem().SetParameters(legacy.Parameters());
    w.Abrir(target.Path());
    w.Find<QCheckBox>("chkGruposProdutos").setChecked(true);

    w.Find<QPushButton>("btnConverter").click();

    ASSERT_EQ(ui.snapshots.size(), 2u);
    for (const Snapshot& s : ui.snapshots)
        EXPECT_FALSE(s.abrir || s.converter || s.sair || s.tabelas || s.caixas);
    ASSERT_EQ(ui.recorder.Messages().size(), 1u);
    const RecordingUserInterface::Message& erro = ui.recorder.Messages()[0];
    EXPECT_EQ(erro.kind, Kind::Error);
    EXPECT_TRUE(erro.text.startsWith(u"Ocorreu um erro durante a conversão! Motivo: "_qs))
        << erro.text.toStdString();
    EXPECT_TRUE(erro.text.contains(u"PK_GRUPROD"_qs)) << erro.text.toStdString();
    ExpectControlsEnabled(w, true);
    EXPECT_EQ(w.Find<QLabel>("lblInfo").text(),
              QStringLiteral("Convertendo Grupos de produtos - Registro 2 de 2"));
    EXPECT_EQ(w.Find<QProgressBar>("Barra").text(), QStringLiteral("0%"));
    EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).empty());
}

TEST(TFPrincipalSair, RollsBackTheOpenTransactionClosesAndReleasesTheMainForm) {
    ScratchTarget target;
    RecordingUserInterface ui;
    auto* chooser = new ScriptedChooser;
    chooser->answers.push_back(target.Path());
    QPointer<TFPrincipal> window(new TFPrincipal(&ui, std::unique_ptr<TargetFileChooser>(chooser)));
    FPrincipal = window;
    window->show();
    window->findChild<QPushButton*>(u"btnAbrir"_qs)->click();
    {
        TargetQuery insert(window->ibdOrvalis());
        insert.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES "
                                     "('001', 'Medicamentos')"));
        insert.ExecSQL();
    }
    ASSERT_TRUE(window->ibtTransacaoOrvalis().InTransaction());

    window->findChild<QPushButton*>(u"btnSair"_qs)->click();

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->ibtTransacaoOrvalis().InTransaction());
    EXPECT_EQ(FPrincipal, nullptr);
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).empty());
    EXPECT_TRUE(ui.Messages().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    delete window.data();
}

TEST(TFPrincipalTeclado, EnterPressesTheFocusedButtonOrConverterAndEscapeLeaves) {
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    const auto press = [&](QWidget& focus, int key) {
        focus.setFocus();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&focus, &down);
    };

    // On "Abrir", Enter opens a file.
    w.chooser->answers.push_back(target.Path());
    press(w.Find("btnAbrir"), Qt::Key_Return);
    EXPECT_TRUE(w.window.ibdOrvalis().Connected());
    // On a box, Enter converts (nothing ticked: a run of no table) and the focus comes back
    // to "Converter", not to a box the next Space would untick.
    press(w.Find("chkCLientes"), Qt::Key_Enter);
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    EXPECT_EQ(QApplication::focusWidget(), &w.Find("btnConverter"));
    EXPECT_TRUE(w.Find<QPushButton>("btnConverter").isDefault());

    // Each control has its own mnemonic.
    QStringList keys;
    for (const QAbstractButton* button : w.window.findChildren<QAbstractButton*>())
        keys.append(QKeySequence::mnemonic(button->text()).toString());
    keys.sort();
    EXPECT_EQ(keys, (QStringList{u"Alt+A"_qs, u"Alt+C"_qs, u"Alt+F"_qs, u"Alt+G"_qs, u"Alt+I"_qs,
                                 u"Alt+L"_qs, u"Alt+N"_qs, u"Alt+O"_qs, u"Alt+P"_qs, u"Alt+S"_qs}));

    press(w.Find("chkProdutos"), Qt::Key_Escape);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
}

TEST(TFPrincipalTela, TheWindowMovesWhollyOntoASmallScreen) {
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.show();
    QApplication::processEvents();
    const QRect screen = w.window.screen()->availableGeometry();
    // The designed place, 342 + 628 pixels across, does not fit the test's screen.
    ASSERT_LT(screen.width(), 342 + 628);
    const QRect frame = w.window.frameGeometry();
    EXPECT_TRUE(screen.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " in "
        << screen.x() << "," << screen.y() << " " << screen.width() << "x" << screen.height();
    EXPECT_EQ(w.Find("btnSair").size(), QSize(83, 25));
}

TEST(TFPrincipalIdioma, QtsOwnButtonsAndDialogsSpeakPortuguese) {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Open);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), u"Cancelar"_qs);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text(), u"Abrir"_qs);
}

namespace {

// A recording user interface that lets events through and, at one pending-events point of a
// run, does what a test asks of the window (click "Cancelar", close it, end it by a signal).
class ActingUserInterface final : public UserInterface {
public:
    void ShowWarning(const QString& text) override { recorder.ShowWarning(text); }
    void ShowError(const QString& text) override { recorder.ShowError(text); }
    void ShowInformation(const QString& text) override { recorder.ShowInformation(text); }
    bool Confirm(const QString& question) override { return recorder.Confirm(question); }
    void ProcessPendingEvents() override {
        QCoreApplication::processEvents();
        ++rounds;
        if (watched)
            progress.append(watched->Find<QLabel>("lblAndamento").text());
        if (rounds == actAt && act)
            act();
    }

    RecordingUserInterface recorder;
    WindowUnderTest* watched = nullptr;
    int rounds = 0;
    int actAt = 0;
    std::function<void()> act;
    QStringList progress;
};

struct CancelCase {
    const char* what;
    std::function<void(WindowUnderTest&)> act;
    bool answer;    // to the question closing the window asks
    bool boxes;     // whether the run's end is shown in a box
    bool closes;    // whether the window closes after the run
    QString reason; // as the error names it
};

} // namespace

TEST(TFPrincipalCancelar, ARunStopsAtTheNextRowRolledBackAndSaysWhatBecameOfEachTable) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Medicamentos')"_qs,
                    u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO) VALUES ('1', 'A'), ('2', 'B'), "
                    u"('3', 'C'), ('4', 'D')"_qs});
    const CancelCase cases[] = {
        {"Cancelar", [](WindowUnderTest& w) { w.Find<QPushButton>("btnCancelar").click(); }, false,
         true, false, u"Conversão cancelada pelo operador"_qs},
        {"closing, answered yes", [](WindowUnderTest& w) { w.window.close(); }, true, true, true,
         u"Conversão cancelada pelo operador"_qs},
        {"a signal", [](WindowUnderTest& w) { w.window.EndBySignal(); }, false, false, true,
         u"Conversão interrompida (sinal recebido)"_qs},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchTarget target;
        target.Execute({u"INSERT INTO PRODUTO (CODPROD) VALUES ('999999')"_qs});
        ActingUserInterface ui;
        ui.recorder.SetAnswer(c.answer);
        WindowUnderTest w(ui);
        ui.watched = &w;
        w.window.scoBdOrigem().SetParameters(legacy.Parameters());
        w.window.show();
        w.Abrir(target.Path());
        w.Find<QCheckBox>("chkGruposProdutos").setChecked(true);
        w.Find<QCheckBox>("chkProdutos").setChecked(true);
        // Rounds: the group's row, then the products' rows; the second product's is the
        // third round.
        ui.actAt = 3;
        ui.act = [&] {
            EXPECT_TRUE(w.Find("btnCancelar").isVisible());
            c.act(w);
        };

        w.Find<QPushButton>("btnConverter").click();
        QApplication::processEvents();

        const QString expected = u"Ocorreu um erro durante a conversão! Motivo: "_qs + c.reason +
                                 u"\nGrupos de Produtos: convertida, 1 registros em GRUPROD"
                                 u"\nProdutos: interrompida, 0 registros em PRODUTO"_qs;
        Messages messages;
        if (c.answer)
            messages.push_back({Kind::Question,
                                u"Uma conversão está em andamento. Cancelar a conversão e "
                                u"fechar o programa?"_qs});
        if (c.boxes)
            messages.push_back({Kind::Error, expected});
        EXPECT_EQ(ui.recorder.Messages(), messages);
        EXPECT_EQ(ui.rounds, 3); // no row after the one that cancelled
        EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
                  (std::vector<QStringList>{{u"001"_qs}}));
        EXPECT_TRUE(target.Rows(u"SELECT CODPROD FROM PRODUTO"_qs).empty());
        EXPECT_FALSE(w.Find("btnCancelar").isVisible());
        EXPECT_EQ(w.window.isVisible(), !c.closes);
        EXPECT_FALSE(w.window.ibtTransacaoOrvalis().InTransaction());
        ASSERT_EQ(ui.progress.size(), 3);
        EXPECT_TRUE(ui.progress[0].startsWith(u"Tabela 1 de 2: Grupos de Produtos - 00:0"_qs))
            << ui.progress[0].toStdString();
        EXPECT_TRUE(ui.progress[1].startsWith(u"Tabela 2 de 2: Produtos - 00:0"_qs))
            << ui.progress[1].toStdString();
        EXPECT_TRUE(w.Find<QLabel>("lblAndamento").text().startsWith(u"Tempo total: 00:0"_qs));
        ClearInterruption();
    }
}

TEST(TFPrincipalCancelar, ClosingDuringARunAnsweredNoGoesOn) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A'), (2, 'B')"_qs});
    ScratchTarget target;
    ActingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.scoBdOrigem().SetParameters(legacy.Parameters());
    w.window.show();
    w.Abrir(target.Path());
    w.Find<QCheckBox>("chkGruposProdutos").setChecked(true);
    ui.actAt = 1;
    ui.act = [&] { w.window.close(); };

    w.Find<QPushButton>("btnConverter").click();

    EXPECT_EQ(ui.recorder.Messages().back(),
              (RecordingUserInterface::Message{Kind::Information,
                                               u"Conversão concluída com sucesso!"_qs}));
    EXPECT_EQ(ui.recorder.Messages().front().kind, Kind::Question);
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"2"_qs}}));
}

TEST(RunProgress, ClockTextShowsMinutesAndSecondsAndHoursFromTheFirstOn) {
    struct Case {
        qint64 milliseconds;
        const char* shown;
    };
    const Case cases[] = {{0, "00:00"},         {999, "00:00"},         {61'000, "01:01"},
                          {3'599'999, "59:59"}, {3'600'000, "1:00:00"}, {36'125'000, "10:02:05"}};
    for (const Case& c : cases)
        EXPECT_EQ(ClockText(c.milliseconds), QString::fromLatin1(c.shown)) << c.milliseconds;
}

TEST(TFPrincipalOrigem, AnotherSourceWithAPasswordIsTestedRememberedAndConverted) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A'), (2, 'B')"_qs,
                    u"INSERT INTO TBCLIENTES (CONTROLE, NOME) VALUES (1, 'Ana')"_qs});
    const QString user = legacy.AddUser(u"S3cr3t"_qs);
    SourceParameters parameters;
    parameters.socket = qEnvironmentVariable("MYSQL_UNIX_PORT");
    parameters.userName = user;
    parameters.database = legacy.Name();
    ScratchTarget target;
    RecordingUserInterface ui;
    {
        WindowUnderTest w(ui);
        SourceParameters wrong = parameters;
        wrong.password = u"errada"_qs;
        EXPECT_THROW(w.window.TestaOrigem(wrong), Error);

        parameters.password = u"S3cr3t"_qs;
        EXPECT_EQ(w.window.TestaOrigem(parameters),
                  u"Conectado. Registros: TBCLIENTES: 1, TBFORNECEDOR: 0, TBGRUPO: 2, "
                  u"TB_CODIGO_NCM: 0, TBESTOQUE: 0"_qs);
        EXPECT_EQ(w.Find<QCheckBox>("chkGruposProdutos").text(), u"&Grupos de Produtos (2)"_qs);
        EXPECT_EQ(w.Find<QCheckBox>("chkCLientes").text(), u"C&lientes (1)"_qs);
        w.window.AplicaOrigem(parameters, false);
        EXPECT_EQ(w.Find<QLineEdit>("edtCaminhoBDOrigem").text(), legacy.Name());
    }
    // The next start reads the same source, without the password it was not asked to keep.
    WindowUnderTest w(ui);
    SourceParameters remembered = w.window.scoBdOrigem().Parameters();
    EXPECT_EQ(remembered.socket, parameters.socket);
    EXPECT_EQ(remembered.userName, user);
    EXPECT_EQ(remembered.database, legacy.Name());
    EXPECT_FALSE(remembered.password.has_value());
    w.window.AplicaOrigem(parameters, true);
    WindowUnderTest next(ui);
    EXPECT_EQ(next.window.scoBdOrigem().Parameters().password, u"S3cr3t"_qs);

    // The conversion reads exactly that source.
    next.Abrir(target.Path());
    next.Find<QCheckBox>("chkGruposProdutos").setChecked(true);
    next.Find<QPushButton>("btnConverter").click();
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD ORDER BY 1"_qs),
              (std::vector<QStringList>{{u"001"_qs}, {u"002"_qs}}));
}

TEST(SourceDialog, TheFieldsGiveTheParametersAndTestarShowsWhatTheTestFound) {
    SourceParameters parameters;
    parameters.hostName = u"servidor"_qs;
    parameters.port = 3307;
    parameters.userName = u"farmacia"_qs;
    parameters.password = u"x"_qs;
    parameters.database = u"legado"_qs;
    int tests = 0;
    SourceDialog dialog(parameters, true, [&](const SourceParameters& tested) {
        ++tests;
        if (tested.socket.isEmpty())
            throw Error(u"Unknown server host 'servidor'"_qs);
        return u"Conectado"_qs;
    });
    const SourceParameters read = dialog.Parameters();
    EXPECT_EQ(read.hostName, u"servidor"_qs);
    EXPECT_EQ(read.port, 3307u);
    EXPECT_EQ(read.userName, u"farmacia"_qs);
    EXPECT_EQ(read.password, u"x"_qs);
    EXPECT_EQ(read.database, u"legado"_qs);
    EXPECT_TRUE(dialog.RememberPassword());

    dialog.findChild<QPushButton*>(u"btnTestar"_qs)->click();
    EXPECT_EQ(dialog.TestResult(),
              u"Não foi possível ler a origem: Unknown server host 'servidor'"_qs);
    // A path is a socket of this machine; an empty password is left to the option files.
    dialog.findChild<QLineEdit*>(u"edtServidor"_qs)->setText(u"/run/legado.sock"_qs);
    dialog.findChild<QLineEdit*>(u"edtSenha"_qs)->clear();
    dialog.Test();
    EXPECT_EQ(dialog.TestResult(), u"Conectado"_qs);
    EXPECT_EQ(dialog.Parameters().socket, u"/run/legado.sock"_qs);
    EXPECT_EQ(dialog.Parameters().hostName, u"localhost"_qs);
    EXPECT_FALSE(dialog.Parameters().password.has_value());
    EXPECT_EQ(tests, 2);
}
