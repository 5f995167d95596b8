#include "app/UPrincipal.h"

#include "app/BackgroundWork.h"
#include "app/RunProgress.h"
#include "app/SourceDialog.h"

#include "db/Error.h"
#include "db/TargetQuery.h"
#include "run/ParameterList.h"
#include "support/Gbak.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "support/StalledLegacy.h"
#include "ui/Interruption.h"
#include "ui/RecordingUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <arpa/inet.h>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

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

    // Shown, reading this source, with this target opened and these boxes ticked.
    // Without a backup: the tests that run look at the run; the backup has tests of its own.
    void ReadyToConvert(const SourceParameters& source, const QString& target,
                        std::initializer_list<const char*> boxes) {
        window.scoBdOrigem().SetParameters(source);
        window.show();
        Abrir(target);
        for (const char* box : boxes)
            Find<QCheckBox>(box).setChecked(true);
        Find<QCheckBox>("chkCopiaSeguranca").setChecked(false);
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

// Lets the window's thread work until done() holds, for two seconds at most; whether it held.
bool ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A recording user interface that holds the run at each of its rows and, there, calls AtRow
// on the window's thread, where a test may look at the window and act on it.
class SteppedUserInterface : public UserInterface {
public:
    void ShowWarning(const QString& text) override { recorder.ShowWarning(text); }
    void ShowError(const QString& text) override { recorder.ShowError(text); }
    void ShowInformation(const QString& text) override { recorder.ShowInformation(text); }
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override {
        recorder.ShowOutcome(kind, text, details);
    }
    void ShowListing(MessageKind kind, const QString& title, const QString& text) override {
        recorder.ShowListing(kind, title, text);
    }
    bool ConfirmAction(const QString& question, const QString& action) override {
        return recorder.ConfirmAction(question, action);
    }
    // On the run's thread.
    void ProcessPendingEvents() override {
        ++rows_;
        OnWindowThread([this] { AtRow(rows_); });
    }

    RecordingUserInterface recorder;
    WindowUnderTest* watched = nullptr;

protected:
    // The row-th row of the run is about to be converted.
    virtual void AtRow(int row) = 0;

private:
    int rows_ = 0;
};

// Looks at the window at each row once its caption shows the row ("Registro N de"), and tries
// to close it by its title bar.
class ObservingUserInterface final : public SteppedUserInterface {
public:
    std::vector<Snapshot> snapshots;

private:
    void AtRow(int row) override {
        const QString shown = QStringLiteral(" Registro %1 de ").arg(row);
        if (!watched || !ProcessEventsUntil([&] {
                return watched->Find<QLabel>("lblInfo").text().contains(shown);
            })) {
            snapshots.push_back({});
            return;
        }
        const auto enabled = [this](const char* name) { return watched->Find(name).isEnabled(); };
        bool caixas = false;
        for (const QCheckBox* box : watched->window.findChildren<QCheckBox*>())
            caixas = caixas || box->isEnabled();
        snapshots.push_back({enabled("btnAbrir"), enabled("btnConverter"), enabled("btnSair"),
                             enabled("gbxTabelasConverter"), caixas,
                             watched->Find<QLabel>("lblInfo").text(),
                             watched->Find<QProgressBar>("Barra").text(), watched->window.close()});
    }
};

void ExpectControlsEnabled(WindowUnderTest& w, bool enabled) {
    for (const char* name : {"btnAbrir", "btnConverter", "btnSair", "gbxTabelasConverter",
                             "chkCLientes", "chkProdutos"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(w.Find(name).isEnabled(), enabled);
    }
}

} // namespace

namespace {

// What the screen shows of a child of the window: its painted pixels, not its state.
QImage OnScreen(const QWidget& child) {
    QWidget& window = *child.window();
    const QPoint at = child.mapTo(&window, QPoint(0, 0));
    return window.screen()
        ->grabWindow(window.winId(), at.x(), at.y(), child.width(), child.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Painted(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colours a widget of the window paints with now, active or not, in every colour group:
// a widget painted alone is not in an active window.
QPalette AsInTheWindow(const QWidget& widget) {
    QPalette palette = widget.palette();
    const QPalette::ColorGroup now =
        widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::All, colorRole, widget.palette().brush(now, colorRole));
    }
    return palette;
}

// The caption as a label alone paints it, in the window's caption's font and size.
QImage CaptionAlone(const QLabel& caption, const QString& text) {
    QLabel alone;
    alone.setPalette(AsInTheWindow(caption));
    alone.setFont(caption.font());
    alone.resize(caption.size());
    alone.setText(text);
    return Painted(alone);
}

QImage BarAlone(const QProgressBar& bar, int maximum, int value) {
    QProgressBar alone;
    alone.setPalette(AsInTheWindow(bar));
    alone.setFont(bar.font());
    alone.resize(bar.size());
    alone.setAlignment(bar.alignment());
    alone.setRange(0, maximum);
    alone.setValue(value);
    return Painted(alone);
}

// Whether two pictures show the same: a gradient painted into the window's backing store may
// round a channel one step away from the same gradient painted alone.
bool Alike(const QImage& shown, const QImage& expected) {
    if (shown.size() != expected.size())
        return false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                std::abs(qBlue(a) - qBlue(b)) > 2)
                return false;
        }
    return true;
}

// Whether a picture is one colour throughout: a caption area painted without its text.
bool Blank(const QImage& picture) {
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != first)
                return false;
    return true;
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
        {"btnVerificar", "FPrincipal", {357, 305, 83, 25}, "&Verificar", false},
        {"btnConverter", "FPrincipal", {445, 305, 83, 25}, "&Converter", false},
        {"btnSair", "FPrincipal", {533, 306, 83, 25}, "&Sair", false},
        {"chkCopiaSeguranca",
         "FPrincipal",
         {270, 108, 0, 0},
         "Fazer cópia de seg&urança antes de converter",
         false},
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
                                  u"edtCaminhoBDDestino"_qs, u"btnAbrir"_qs, u"btnVerificar"_qs,
                                  u"btnConverter"_qs, u"btnSair"_qs, u"edtCaminhoBDOrigem"_qs,
                                  u"btnOrigem"_qs, u"chkCopiaSeguranca"_qs,
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
    for (const QCheckBox* box : w.Find("gbxTabelasConverter").findChildren<QCheckBox*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(box->isEnabled());
    }
    // Until the operator says otherwise, a run backs the target up.
    EXPECT_TRUE(w.Find<QCheckBox>("chkCopiaSeguranca").isChecked());
    EXPECT_TRUE(w.Find<QCheckBox>("chkCopiaSeguranca").isEnabled());
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

TEST(TFPrincipalConverter, NothingTickedAsksForATableAndRunsNothing) {
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'Velho')"_qs});
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(SourceParameters{}, target.Path(), {});

    w.Find<QPushButton>("btnConverter").click();

    EXPECT_EQ(ui.Messages(), (Messages{{Kind::Warning, u"Marque ao menos uma tabela"_qs}}));
    ExpectControlsEnabled(w, true);
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"900"_qs}}));
}

TEST(TFPrincipalConverter, CancellingTheListOfWhatARunEmptiesRunsNothing) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Novo')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'Velho')"_qs,
                    u"INSERT INTO CLIENTE (CODCLIENTE, NOME) VALUES ('000001', 'A')"_qs,
                    u"INSERT INTO CLIENTE (CODCLIENTE, NOME) VALUES ('000002', 'B')"_qs});
    RecordingUserInterface ui;
    ui.SetActionAnswer(false);
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(),
                     {"chkCLientes", "chkGruposProdutos", "chkClassificacaoFiscal"});

    w.Find<QPushButton>("btnConverter").click();

    // Only the tables that hold rows are listed, in the run's order.
    EXPECT_EQ(ui.Confirmations(),
              (std::vector<RecordingUserInterface::Confirmation>{
                  {u"Converter"_qs,
                   u"As tabelas marcadas serão esvaziadas e convertidas de novo:\nCLIENTE: 2 "
                   u"registros serão apagados\nGRUPROD: 1 registros serão apagados\n\nNenhuma "
                   u"cópia de segurança será feita."_qs}}));
    EXPECT_EQ(ui.Messages(), Messages{});
    ExpectControlsEnabled(w, true);
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"900"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM CLIENTE"_qs),
              (std::vector<QStringList>{{u"2"_qs}}));
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

namespace {

// A server on this machine that takes connections and never answers: the kernel accepts them
// into the listening socket's queue, and closing that socket resets them.
class SilentServer {
public:
    SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (socket_ < 0 || bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(socket_, 8) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no listening socket");
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { Close(); }

    int Port() const { return port_; }
    void Close() {
        if (socket_ >= 0)
            ::close(socket_);
        socket_ = -1;
    }

private:
    int socket_;
    int port_ = 0;
};

} // namespace

TEST(TFPrincipalAbrir, TheWindowPaintsAndAnswersWhileTheServerDoesNotAndThenShowsItsError) {
    SilentServer server;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.show();
    const auto& status = w.Find<QLabel>("lblStatusDestino");
    QString statusWhileWaiting;
    bool abrirWhileWaiting = true;
    bool visibleAfterClosing = false;
    QTimer::singleShot(0, [&] {
        ProcessEventsUntil([&] { return !Blank(OnScreen(status)); });
        statusWhileWaiting = status.text();
        abrirWhileWaiting = w.Find("btnAbrir").isEnabled();
        // Closing asks whether to leave without waiting; answered no, the window stays.
        w.window.close();
        visibleAfterClosing = w.window.isVisible();
        server.Close();
    });

    w.Abrir(QStringLiteral("127.0.0.1/%1:/tmp/nenhum.fdb").arg(server.Port()));

    EXPECT_EQ(statusWhileWaiting, u"Conectando..."_qs);
    EXPECT_FALSE(abrirWhileWaiting);
    EXPECT_TRUE(visibleAfterClosing);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0],
              (RecordingUserInterface::Message{
                  Kind::Question,
                  u"O banco de dados de destino ainda não respondeu. Fechar o programa sem "
                  u"esperar?"_qs}));
    EXPECT_EQ(ui.Messages()[1].kind, Kind::Error);
    EXPECT_FALSE(w.window.ibdOrvalis().Connected());
    EXPECT_TRUE(w.Find<QLineEdit>("edtCaminhoBDDestino").text().isEmpty());
    EXPECT_TRUE(w.Find("btnAbrir").isEnabled());
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
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});

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
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});

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

namespace {

// Holds the run at some of its rows and, there, waits for the screen to show the caption and
// the gauge of that row as a label and a bar alone paint them.
class PaintedRowsUserInterface final : public SteppedUserInterface {
public:
    int rows = 0;
    QList<int> rowsToLook;
    QList<int> rowsSeen;

private:
    void AtRow(int row) override {
        if (!rowsToLook.contains(row))
            return;
        const auto& caption = watched->Find<QLabel>("lblInfo");
        const auto& bar = watched->Find<QProgressBar>("Barra");
        const QImage captionExpected = CaptionAlone(
            caption, QStringLiteral("Convertendo Grupos de produtos - Registro %1 de %2")
                         .arg(row)
                         .arg(rows));
        const QImage barExpected = BarAlone(bar, rows, row - 1);
        if (ProcessEventsUntil([&] {
                return Alike(OnScreen(caption), captionExpected) &&
                       Alike(OnScreen(bar), barExpected);
            }))
            rowsSeen.append(row);
    }
};

} // namespace

TEST(TFPrincipalPintura, TheScreenShowsTheCaptionAndTheGaugeOfTheRowTheRunIsAt) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) SELECT seq, CONCAT('Grupo ', seq) "
                    u"FROM seq_1_to_40"_qs});
    ScratchTarget target;
    PaintedRowsUserInterface ui;
    WindowUnderTest w(ui);
    ui.watched = &w;
    ui.rows = 40;
    ui.rowsToLook = {1, 17, 40};
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});

    w.Find<QPushButton>("btnConverter").click();

    EXPECT_EQ(ui.rowsSeen, ui.rowsToLook);
    EXPECT_EQ(ui.recorder.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
}

TEST(TFPrincipalPintura, TheCaptionIsNeverPaintedBlankWhileARunGoes) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) SELECT seq, LPAD(seq, 8, '0') "
                    u"FROM seq_1_to_9000"_qs});
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkClassificacaoFiscal"});
    const auto& caption = w.Find<QLabel>("lblInfo");
    const auto& bar = w.Find<QProgressBar>("Barra");
    // The screen sampled every few milliseconds while the run goes on its own thread.
    std::vector<bool> blank;
    QSet<QByteArray> captions;
    QSet<QByteArray> bars;
    const auto bytes = [](const QImage& shown) {
        return QByteArray(reinterpret_cast<const char*>(shown.constBits()),
                          static_cast<qsizetype>(shown.sizeInBytes()));
    };
    QTimer sampler;
    sampler.setInterval(3);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const QImage shown = OnScreen(caption);
        blank.push_back(Blank(shown));
        captions.insert(bytes(shown));
        bars.insert(bytes(OnScreen(bar)));
    });
    sampler.start();

    w.Find<QPushButton>("btnConverter").click();
    sampler.stop();

    ASSERT_EQ(ui.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    // Between the first caption painted and the last, the caption area always held a text,
    // and the caption and the gauge moved on screen as the rows went.
    const auto first = std::find(blank.begin(), blank.end(), false);
    const auto last = std::find(blank.rbegin(), blank.rend(), false).base();
    ASSERT_LT(first, last);
    EXPECT_EQ(std::count(first, last, true), 0) << "of " << (last - first) << " samples";
    EXPECT_GE(captions.size(), 3); // a blank one and at least two rows
    EXPECT_GE(bars.size(), 3);
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
    LegacyDatabase legacy;
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.window.scoBdOrigem().SetParameters(legacy.Parameters());
    w.Find<QCheckBox>("chkGruposProdutos").setChecked(true);
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
    // On a box, Enter converts (the groups, of which the source has none) and the focus comes
    // back to "Converter", not to a box the next Space would untick.
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
                                 u"Alt+L"_qs, u"Alt+N"_qs, u"Alt+O"_qs, u"Alt+P"_qs, u"Alt+S"_qs,
                                 u"Alt+U"_qs, u"Alt+V"_qs}));

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

// At one row of a run, does what a test asks of the window (click "Cancelar", close it, end
// it by a signal), and answers the window's questions as told.
class ActingUserInterface final : public SteppedUserInterface {
public:
    bool Confirm(const QString& question) override { return recorder.Confirm(question); }

    int rounds = 0;
    int actAt = 0;
    std::function<void()> act;
    QStringList progress;

private:
    void AtRow(int row) override {
        rounds = row;
        if (watched)
            progress.append(watched->Find<QLabel>("lblAndamento").text());
        if (row == actAt && act)
            act();
    }
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
        w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos", "chkProdutos"});
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

TEST(TFPrincipalCancelar, ARunWaitingForItsSourceIsCancelledAtOnceAndTheNextRunReadsAgain) {
    StalledLegacy legacy;
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(),
                     {"chkGruposProdutos", "chkClassificacaoFiscal"});
    const auto& caption = w.Find<QLabel>("lblInfo");
    bool stalled = false;
    QString captionWhileStalled;
    QTimer::singleShot(0, [&] {
        // The window goes on with its events while the run waits for the source.
        stalled = legacy.AwaitStall([] {
            QCoreApplication::processEvents();
            return true;
        });
        // The rows the source sent before the one it holds back are converted, and the
        // caption shows where the run waits.
        ProcessEventsUntil([&] { return caption.text().startsWith(u"Convertendo Class"_qs); });
        captionWhileStalled = caption.text();
        w.Find<QPushButton>("btnCancelar").click();
    });

    w.Find<QPushButton>("btnConverter").click();

    ASSERT_TRUE(stalled);
    EXPECT_TRUE(
        captionWhileStalled.startsWith(u"Convertendo Classificacao Fiscal - Registro "_qs) &&
        captionWhileStalled.endsWith(u" de 3000"_qs))
        << captionWhileStalled.toStdString();
    // The run ended while the source still held its row back.
    EXPECT_TRUE(legacy.Holding());
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Error,
                         u"Ocorreu um erro durante a conversão! Motivo: Conversão cancelada pelo "
                         u"operador\nGrupos de Produtos: convertida, 3 registros em GRUPROD"
                         u"\nClassificação Fiscal: interrompida, 0 registros em CLASFISC"_qs}}));
    ClearInterruption();

    // Once the source answers again, the same window converts from it.
    legacy.Release();
    ui.Clear();
    w.Find<QPushButton>("btnConverter").click();
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM CLASFISC"_qs),
              (std::vector<QStringList>{{u"3000"_qs}}));
}

TEST(TFPrincipalCancelar, ClosingDuringARunAnsweredNoGoesOn) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A'), (2, 'B')"_qs});
    ScratchTarget target;
    ActingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});
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

TEST(TFPrincipalCopia, ATickedBoxBacksUpATargetWithRowsAndTheBoxIsRemembered) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Novo')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'Velho')"_qs});
    {
        RecordingUserInterface ui;
        WindowUnderTest w(ui);
        w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});
        w.Find<QCheckBox>("chkCopiaSeguranca").setChecked(true);

        w.Find<QPushButton>("btnConverter").click();

        const QDir folder = QFileInfo(target.Path()).dir();
        const QStringList backups = folder.entryList({u"target.fb.*.fbk"_qs}, QDir::Files);
        ASSERT_EQ(backups.size(), 1);
        const QString backup = folder.filePath(backups.front());
        // Asked first what the run empties and where the backup goes.
        EXPECT_EQ(ui.Confirmations(),
                  (std::vector<RecordingUserInterface::Confirmation>{
                      {u"Converter"_qs,
                       u"As tabelas marcadas serão esvaziadas e convertidas de novo:\nGRUPROD: "
                       u"1 registros serão apagados\n\nAntes, uma cópia de segurança será feita "
                       u"em "_qs +
                           backup}}));
        EXPECT_EQ(ui.Messages(),
                  (Messages{{Kind::Information, u"Conversão concluída com sucesso!\nCópia de "
                                                u"segurança: "_qs +
                                                    backup}}));
        QTemporaryDir restoredDir;
        const QString restored = restoredDir.filePath(u"restored.fdb"_qs);
        ASSERT_EQ(RestoreWithGbak(backup, restored), QString());
        EXPECT_EQ(ScratchTarget(restored).Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
                  (std::vector<QStringList>{{u"900"_qs, u"Velho"_qs}}));

        w.Find<QCheckBox>("chkCopiaSeguranca").setChecked(false);
    }
    RecordingUserInterface ui;
    WindowUnderTest next(ui);
    EXPECT_FALSE(next.Find<QCheckBox>("chkCopiaSeguranca").isChecked());
}

TEST(TFPrincipalRelatorio, EveryRunWritesItsReportBesideTheTargetAndTheLastBoxSumsItUp) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Novo'), (2, 'Outro')"_qs});
    ScratchTarget target;
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});

    w.Find<QPushButton>("btnConverter").click();

    const QDir folder = QFileInfo(target.Path()).dir();
    const QStringList reports = folder.entryList({u"target.fb.*.json"_qs}, QDir::Files);
    ASSERT_EQ(reports.size(), 1);
    const QString report = folder.filePath(reports.front());
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    EXPECT_EQ(ui.OutcomeDetails(),
              QStringList{u"Grupos de Produtos: 2 lidos; gravados 2 em GRUPROD\nRelatório: "_qs +
                          report});
    QFile written(report);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(written.readAll())
                  .object()
                  .value(u"tables"_qs)
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(u"status"_qs)
                  .toString(),
              u"ok"_qs);
}

TEST(TFPrincipalVerificar, ListsWhatARunWouldFailOnInADialogAndChangesNothing) {
    LegacyDatabase legacy;
    legacy.Execute(
        {u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Um'), (2005, 'Dois')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    RecordingUserInterface ui;
    WindowUnderTest w(ui);
    w.ReadyToConvert(legacy.Parameters(), target.Path(), {"chkGruposProdutos"});
    // A check keeps everything, so it neither asks nor backs up, whatever the box says.
    w.Find<QCheckBox>("chkCopiaSeguranca").setChecked(true);

    w.Find<QPushButton>("btnVerificar").click();

    const QDir folder = QFileInfo(target.Path()).dir();
    const QStringList reports = folder.entryList({u"target.fb.*.verificacao.json"_qs}, QDir::Files);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(folder.entryList({u"target.fb.*.fbk"_qs}, QDir::Files), QStringList{});
    EXPECT_EQ(ui.Confirmations(), std::vector<RecordingUserInterface::Confirmation>{});
    EXPECT_EQ(ui.ListingTitles(), QStringList{u"Verificação"_qs});
    EXPECT_EQ(ui.Messages(),
              (Messages{{Kind::Error,
                         u"Verificação concluída: 1 problema em 1 tabela impediria a conversão:\n"
                         u"TBGRUPO CONTROLE 2005: Código 005 repetido: TBGRUPO CONTROLE 1005 e "
                         u"2005\n\n"
                         u"Grupos de Produtos (falharia): 2 lidos; gravados 1 em GRUPROD; 1 "
                         u"valores cortados\n"
                         u"Relatório: "_qs +
                             folder.filePath(reports.front())}}));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"999"_qs, u"Antigo"_qs}}));
    // Everything comes back as after a run.
    EXPECT_TRUE(w.Find("btnVerificar").isVisible());
    EXPECT_TRUE(w.Find("btnVerificar").isEnabled());
    EXPECT_FALSE(w.Find("btnCancelar").isVisible());
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
