#include "cli/CommandLine.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace vorlanda {

namespace {

const QString kTarget = QStringLiteral("--target");
const QString kTables = QStringLiteral("--tables");
const QString kAll = QStringLiteral("--all");
const QString kHelp = QStringLiteral("--help");
const QString kSourceHost = QStringLiteral("--source-host");
const QString kSourcePort = QStringLiteral("--source-port");
const QString kSourceSocket = QStringLiteral("--source-socket");
const QString kSourceUser = QStringLiteral("--source-user");
const QString kSourcePassword = QStringLiteral("--source-password");
const QString kSourcePasswordFile = QStringLiteral("--source-password-file");
const QString kSourceDatabase = QStringLiteral("--source-database");
const QString kNoBackup = QStringLiteral("--no-backup");
const QString kBackupDir = QStringLiteral("--backup-dir");
const QString kReport = QStringLiteral("--report");
const QString kNoReport = QStringLiteral("--no-report");
const QString kCheck = QStringLiteral("--check");

bool TakesValue(const QString& name) {
    return name == kTarget || name == kTables || name == kSourceHost || name == kSourcePort ||
           name == kSourceSocket || name == kSourceUser || name == kSourcePassword ||
           name == kSourcePasswordFile || name == kSourceDatabase || name == kBackupDir ||
           name == kReport;
}

// Adds the keys of a comma-separated list to the selection; the error text when one is unknown.
std::optional<QString> SelectTables(const QString& list, QStringList& selected) {
    for (const QString& item : list.split(u',')) {
        const QString key = item.trimmed();
        if (key.isEmpty())
            continue;
        bool known = false;
        for (const QString& candidate : TableKeys())
            if (key.compare(candidate, Qt::CaseInsensitive) == 0) {
                known = true;
                if (!selected.contains(candidate))
                    selected.append(candidate);
            }
        if (!known)
            return QStringLiteral("tabela desconhecida: \"%1\"").arg(key);
    }
    return std::nullopt;
}

// Reads the password from the first line of a file, without its line end; the error text when
// the file cannot be read.
std::optional<QString> ReadPasswordFile(const QString& path, std::optional<QString>& password) {
    QFile file(path);
    QByteArray line;
    if (file.open(QIODevice::ReadOnly))
        line = file.readLine();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("não foi possível ler o arquivo de senha \"%1\" (%2)")
            .arg(path, file.errorString());
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    password = QString::fromUtf8(line);
    return std::nullopt;
}

// The selection in the order of the window's boxes, whatever the order it was given in.
QStringList InBoxOrder(const QStringList& selected) {
    QStringList ordered;
    for (const QString& key : TableKeys())
        if (selected.contains(key))
            ordered.append(key);
    return ordered;
}

CommandLine Failure(const QString& error) {
    return {ConvertOptions(), error};
}

} // namespace

const QStringList& TableKeys() {
    static const QStringList keys{QStringLiteral("CLIENTES"), QStringLiteral("FORNECEDORES"),
                                  QStringLiteral("GRUPOSPRODUTOS"),
                                  QStringLiteral("CLASSIFICACAOFISCAL"),
                                  QStringLiteral("PRODUTOS")};
    return keys;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine result;
    ConvertOptions& options = result.options;
    bool targetGiven = false;
    QStringList selected;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kHelp || argument == u"-h") {
            options.help = true;
            return result;
        }
        if (!argument.startsWith(u"--"))
            return Failure(QStringLiteral("argumento inesperado: \"%1\"").arg(argument));

        // Both "--name value" and "--name=value"; an empty value is a value.
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        std::optional<QString> value;
        if (equals >= 0)
            value = argument.mid(equals + 1);
        // The switches, which take no value.
        struct Switch {
            const QString& name;
            void (*apply)(ConvertOptions&, QStringList&);
        };
        static const Switch switches[] = {
            {kAll, [](ConvertOptions&, QStringList& tables) { tables = TableKeys(); }},
            {kNoBackup, [](ConvertOptions& o, QStringList&) { o.backup = false; }},
            {kNoReport, [](ConvertOptions& o, QStringList&) { o.report = false; }},
            {kCheck, [](ConvertOptions& o, QStringList&) { o.check = true; }},
        };
        const auto given = std::find_if(std::begin(switches), std::end(switches),
                                        [&name](const Switch& s) { return s.name == name; });
        if (given != std::end(switches)) {
            if (value)
                return Failure(QStringLiteral("a opção %1 não aceita valor").arg(name));
            given->apply(options, selected);
            continue;
        }
        if (!TakesValue(name))
            return Failure(QStringLiteral("opção desconhecida: %1").arg(name));
        if (!value) {
            if (i + 1 == arguments.size())
                return Failure(QStringLiteral("a opção %1 exige um valor").arg(name));
            value = arguments[++i];
        }

        if (name == kTarget) {
            options.target = *value;
            targetGiven = true;
        } else if (name == kTables) {
            if (const auto error = SelectTables(*value, selected))
                return Failure(*error);
        } else if (name == kSourceHost) {
            options.source.hostName = *value;
        } else if (name == kSourcePort) {
            bool ok = false;
            const unsigned port = value->toUInt(&ok);
            if (!ok || port == 0 || port > 65535)
                return Failure(QStringLiteral("porta inválida: \"%1\"").arg(*value));
            options.source.port = port;
        } else if (name == kSourceSocket) {
            options.source.socket = *value;
        } else if (name == kSourceUser) {
            options.source.userName = *value;
        } else if (name == kSourcePassword) {
            options.source.password = *value;
        } else if (name == kSourcePasswordFile) {
            if (const auto error = ReadPasswordFile(*value, options.source.password))
                return Failure(*error);
        } else if (name == kSourceDatabase) {
            options.source.database = *value;
        } else if (name == kBackupDir) {
            options.backupFolder = *value;
        } else if (name == kReport) {
            options.reportFile = *value;
        }
    }
    if (!targetGiven)
        return Failure(QStringLiteral("falta a opção --target"));
    options.tables = InBoxOrder(selected);
    return result;
}

QString UsageText() {
    const SourceParameters defaults;
    return QStringLiteral(
               "Uso: vorlanda-convert --target ARQUIVO [--tables LISTA | --all] [opções da "
               "origem]\n"
               "     vorlanda-convert --check --target ARQUIVO [--tables LISTA | --all] [...]\n"
               "\n"
               "Converte os cadastros do banco de dados legado (MySQL) para o banco de dados\n"
               "Firebird ARQUIVO, como o botão \"Converter\" da janela.\n"
               "\n"
               "  --target ARQUIVO         banco de dados de destino (*.FB, ou servidor:caminho)\n"
               "  --tables LISTA           tabelas a converter, separadas por vírgula:\n"
               "                           CLIENTES, FORNECEDORES, GRUPOSPRODUTOS,\n"
               "                           CLASSIFICACAOFISCAL, PRODUTOS\n"
               "  --all                    converte as cinco tabelas\n"
               "  --source-host HOST       servidor de origem (padrão: %1)\n"
               "  --source-port PORTA      porta TCP da origem (padrão: MYSQL_TCP_PORT, senão\n"
               "                           a dos arquivos de opções ou a da biblioteca cliente)\n"
               "  --source-socket CAMINHO  socket da origem (padrão: MYSQL_UNIX_PORT, senão o\n"
               "                           dos arquivos de opções ou o da biblioteca cliente)\n"
               "  --source-user USUÁRIO    usuário da origem (padrão: %2)\n"
               "  --source-password SENHA  senha da origem; fica visível a outros usuários da\n"
               "                           máquina (ps): prefira --source-password-file\n"
               "  --source-password-file ARQUIVO\n"
               "                           senha da origem na primeira linha de ARQUIVO\n"
               "  --source-database BANCO  banco de dados de origem (padrão: %3)\n"
               "  --no-backup              não faz a cópia de segurança do destino\n"
               "  --backup-dir PASTA       pasta da cópia de segurança de um destino em\n"
               "                           servidor:caminho (padrão: a pasta atual)\n"
               "  --report ARQUIVO         relatório da conversão em JSON (padrão:\n"
               "                           ARQUIVO.aaaa-mm-dd-HHMMSS.json ao lado da cópia)\n"
               "  --no-report              sem relatório nem resumo por tabela\n"
               "  --check                  só verifica: passa cada registro pela conversão sem\n"
               "                           mudar o destino e lista tudo o que a faria falhar\n"
               "  -h, --help               mostra esta ajuda\n"
               "\n"
               "As tabelas são convertidas sempre na ordem acima. Sem --tables nem --all\n"
               "nenhuma tabela é convertida, mas a conversão termina com sucesso.\n"
               "\n"
               "Antes de apagar uma tabela que tem registros, a conversão faz uma cópia de\n"
               "segurança do destino, que gbak -c restaura: ARQUIVO.aaaa-mm-dd-HHMMSS.fbk ao\n"
               "lado do arquivo, ou na pasta de --backup-dir para servidor:caminho. Se a\n"
               "cópia falhar, nada é apagado.\n"
               "\n"
               "Depois da mensagem final vem um resumo por tabela (registros lidos, gravados,\n"
               "ignorados e criados) e o caminho do relatório, que conta também os valores\n"
               "cortados e o tempo de cada tabela.\n"
               "\n"
               "Com --check nada é apagado nem gravado no destino e nenhuma cópia é feita. Os\n"
               "registros que fariam a conversão falhar vão para a saída de erro, um por\n"
               "linha, e o código de saída é 1; sem nenhum, 0. O relatório (padrão:\n"
               "ARQUIVO.aaaa-mm-dd-HHMMSS.verificacao.json) traz cada problema.\n"
               "\n"
               "Sem senha na linha de comando vale a do grupo [client] dos arquivos de\n"
               "opções (/etc/my.cnf, /etc/mysql/my.cnf, ~/.my.cnf), depois a variável\n"
               "MYSQL_PWD, senão nenhuma.\n"
               "\n"
               "Uma leitura ou escrita na origem que espera mais de %4 segundos encerra a\n"
               "conversão com erro. SIGINT (Ctrl+C) ou SIGTERM interrompe a conversão no\n"
               "próximo registro, como um erro: as tabelas já convertidas ficam, a tabela em\n"
               "conversão volta ao último ponto gravado. Um segundo sinal encerra o programa\n"
               "na hora.\n"
               "\n"
               "Código de saída: 0 conversão concluída, 1 conversão com erro, não iniciada\n"
               "ou interrompida (com --check: algum registro faria a conversão falhar), 2 uso\n"
               "incorreto, 3 conversão concluída com avisos, 130 encerrada por um segundo\n"
               "sinal.\n")
        .arg(defaults.hostName, defaults.userName, defaults.database,
             QString::number(defaults.readWriteTimeout));
}

} // namespace vorlanda
