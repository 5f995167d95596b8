#include "writers/Cliente.h"

#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/LongestValues.h"
#include "support/ProcessSettingsGuard.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "support/SetterCases.h"
#include "writers/FormatSettings.h"

#include <QDate>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlanda;

namespace {

using Getter = const QString& (TConverteCliente::*)() const;

// The writer whose setters FIELD names.
using Writer = TConverteCliente;

using Case = SetterCase<TConverteCliente>;

QString Today() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

// Every property assigned, every date present.
void FillEveryField(TConverteCliente& c) {
    c.SetCodCliente(u"123"_qs);
    c.SetCodFornec(u"F01"_qs);
    c.SetNome(u" joana d'arc "_qs);
    c.SetContato(u"Maria"_qs);
    c.SetNomeFantasia(u"drogaria central"_qs);
    c.SetEndereco(u"Rua A, 1"_qs);
    c.SetEnderecoEntr(u"Rua B, 2"_qs);
    c.SetEnderecoCob(u"Rua C, 3"_qs);
    c.SetBairro(u"Centro"_qs);
    c.SetBairroEntr(u"Savassi"_qs);
    c.SetBairroCob(u"Funcionarios"_qs);
    c.SetCodCidade(u"1"_qs);
    c.SetNomeCidade(u"Belo Horizonte"_qs);
    c.SetCodCidadeEntr(u"2"_qs);
    c.SetNomeCidadeEntr(u"Contagem"_qs);
    c.SetCodCidadeCob(u"3"_qs);
    c.SetNomeCidadeCob(u"Betim"_qs);
    c.SetEstado(u"mg"_qs);
    c.SetEstadoEntr(u"sp"_qs);
    c.SetEstadoCob(u"rj"_qs);
    c.SetCep(u"30.140-071"_qs);
    c.SetCepEntr(u"01310-100"_qs);
    c.SetCepCob(u"20040-002"_qs);
    c.SetCgcCpf(u"123.456.789-01"_qs);
    c.SetInscEst(u"062.123.456/0078"_qs);
    c.SetInscMunicipal(u"555"_qs);
    c.SetPessoa_FJ(u"F"_qs);
    c.SetFone(u"(31) 3333-4444"_qs);
    c.SetFax(u"(31) 3333-4445"_qs);
    c.SetPrefixCelular(u"31"_qs);
    c.SetCelular(u"99999-8888"_qs);
    c.SetEmail(u"joana@exemplo.com.br"_qs);
    c.SetHomePage(u"www.exemplo.com.br"_qs);
    c.SetAtivo(u"S"_qs);
    c.SetNomeMae(u"Ana"_qs);
    c.SetNomePai(u"Jose"_qs);
    c.SetCliBloqueado(u"S"_qs);
    c.SetRetemISS(u"N"_qs);
    c.SetMalaDiretaEletr(u"S"_qs);
    c.SetProtestarCliente(u"S"_qs);
    c.SetDT_Nascimento(u"25/12/1980"_qs);
    c.SetDT_Cadastro(u"01/02/2020"_qs);
    c.SetDt_Ult_Venda(u"15/03/2024"_qs);
    c.SetDt_Ult_Alteracao(u"20-04-2024"_qs);
    c.SetDT_Valcad(u"31.12.2025"_qs);
    c.SetObsercacao(u"Cliente antigo"_qs);
    c.SetCampoLivre1(u"L1"_qs);
    c.SetCampoLivre2(u"L2"_qs);
    c.SetCampoLivre3(u"L3"_qs);
    c.SetCampoLivre4(u"L4"_qs);
    c.SetCampoLivre5(u"L5"_qs);
    c.SetCampoLivre6(u"L6"_qs);
    c.SetCampoLivre7(u"L7"_qs);
    c.SetCampoLivre8(u"L8"_qs);
    c.SetCampoLivre9(u"L9"_qs);
    c.SetCampoLivre10(u"L10"_qs);
    c.SetCodPais(u"1058"_qs);
    c.SetNomeSocio(u"Pedro"_qs);
    c.SetLimiteCredito(1500.5);
    c.SetCodSegmento(u"SEG1"_qs);
    c.SetCodClasCli(u"CL1"_qs);
    c.SetCodVendend1(u"V1"_qs);
}

// Every column of CLIENTE, in the order of the INSERT.
const QString kAllColumns = QStringLiteral(
    "SELECT CODCLIENTE, NOME, NOMEFANTASIA, ENDERECO, BAIRRO, CODCIDADE, ESTADO, CEP, CGCCPF, "
    "INSCEST, PESSOA_FJ, FONE, FAX, PREFIXCELULAR, CELULAR, CAMPOLIVRE1, CAMPOLIVRE2, "
    "CAMPOLIVRE3, CAMPOLIVRE4, CAMPOLIVRE5, CAMPOLIVRE6, CAMPOLIVRE7, CAMPOLIVRE8, CAMPOLIVRE9, "
    "CAMPOLIVRE10, OBSERVACAO, RETEMISS, EMAIL, HOMEPAGE, ENDERECOCOB, BAIRROCOB, CEPCOB, "
    "CODCIDADECOB, ESTADOCOB, ENDERECOENT, BAIRROENT, CEPENT, CODCIDADEENT, ESTADOENT, "
    "CODFORNEC, CONTATO, CODSEGMENTO, CODCLASCLI, CODVENDEND1, LIMITECREDITO, CODPAIS, "
    "NOMESOCIO, DT_NASCIMENTO, DT_ULTVENDA, DATA_ULT_ALTERACAO, DT_CADASTRO, DT_VALCAD, ATIVO, "
    "CLIBLOQUEADO, MALADIRETAELETR, PROTESTARCLIENTE FROM CLIENTE ORDER BY CODCLIENTE");

// The INSERT's head up to the columns that appear only with a date.
const QString kInsertColumns = QStringLiteral(
    "Insert Into Cliente ( cliente.codCliente, cliente.nome, cliente.nomefantasia, "
    "cliente.endereco, cliente.bairro, cliente.codcidade, cliente.estado, cliente.cep, "
    "cliente.cgccpf, cliente.inscest, cliente.pessoa_fj, cliente.fone, cliente.fax, "
    "cliente.prefixcelular, cliente.celular, cliente.campolivre1, cliente.campolivre2, "
    "cliente.campolivre3, cliente.campolivre4, cliente.campolivre5, cliente.campolivre6, "
    "cliente.campolivre7, cliente.campolivre8, cliente.campolivre9, cliente.campolivre10, "
    "cliente.observacao, cliente.RetemISS, cliente.email, cliente.homepage, cliente.enderecocob, "
    "cliente.bairrocob, cliente.cepcob, cliente.codcidadecob, cliente.estadocob, "
    "cliente.enderecoent, cliente.bairroent, cliente.cepent, cliente.codcidadeent, "
    "cliente.estadoent, cliente.codfornec, Cliente.contato, Cliente.CodSegmento, "
    "Cliente.CodClasCli, Cliente.CodVendend1, Cliente.LimiteCredito, Cliente.CodPais, "
    "cliente.nomesocio, ");

} // namespace

TEST(TConverteCliente, TextSettersRemoveDoubleQuotesThenCutPadAndClean) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    const Case cases[] = {
        {FIELD(SetCodCliente, CodCliente), u"123"_qs, u"00000123"_qs},
        {FIELD(SetCodCliente, CodCliente), u"1234567890"_qs, u"12345678"_qs},
        {FIELD(SetCodCliente, CodCliente), u"12.345-6"_qs, u"123456"_qs},
        // After the quote goes the nine characters are padded and unmasked before the cut.
        {FIELD(SetCodCliente, CodCliente), u"\"12.345-6\""_qs, u"00123456"_qs},
        {FIELD(SetCodFornec, CodFornec), u" \"F\"01 "_qs, u" F01 "_qs},
        {FIELD(SetNome, Nome), u" joana d'arc "_qs, u"JOANA D'ARC"_qs},
        {FIELD(SetNome, Nome), u" São José D'Ávila "_qs, u"SAO JOSE D'AVILA"_qs},
        {FIELD(SetNome, Nome), u"Maria \"Bebé\" da Silva"_qs, u"MARIA BEBE DA SILVA"_qs},
        {FIELD(SetNome, Nome), u"abcdefghij"_qs.repeated(7), u"ABCDEFGHIJ"_qs.repeated(6)},
        {FIELD(SetContato, Contato), u"  \"Ana\"  "_qs, u"Ana"_qs},
        {FIELD(SetContato, Contato), u"a"_qs.repeated(55), u"a"_qs.repeated(50)},
        {FIELD(SetNomeFantasia, NomeFantasia), u" drogaria \"Boa Saúde\" "_qs,
         u"DROGARIA BOA SAUDE"_qs},
        {FIELD(SetEndereco, Endereco), u"Rua \"Casa Verde\", 10"_qs, u"Rua Casa Verde, 10"_qs},
        {FIELD(SetEnderecoEntr, EnderecoEntr), u"  Av. \"Brasil\", 500  "_qs,
         u"Av. Brasil, 500"_qs},
        {FIELD(SetEnderecoCob, EnderecoCob), u"r"_qs.repeated(65) + u'"', u"r"_qs.repeated(60)},
        {FIELD(SetBairro, Bairro), u"  Centro"_qs, u"  Centro"_qs},
        {FIELD(SetBairro, Bairro), u"b"_qs.repeated(35) + u'"', u"b"_qs.repeated(30)},
        {FIELD(SetBairroEntr, BairroEntr), u"\"Savassi\""_qs, u"Savassi"_qs},
        {FIELD(SetBairroCob, BairroCob), u"  \""_qs + u"c"_qs.repeated(40), u"c"_qs.repeated(30)},
        {FIELD(SetCodCidade, CodCidade), u"123"_qs, u"00123"_qs},
        {FIELD(SetCodCidade, CodCidade), u"1234567"_qs, u"12345"_qs},
        {FIELD(SetCodCidade, CodCidade), u""_qs, u""_qs},
        {FIELD(SetCodCidade, CodCidade), u"\""_qs, u""_qs},
        {FIELD(SetCodCidade, CodCidade), u"  "_qs, u"000  "_qs},
        {FIELD(SetCodCidadeEntr, CodCidadeEntr), u"\"31\""_qs, u"00031"_qs},
        {FIELD(SetCodCidadeCob, CodCidadeCob), u"7\""_qs, u"00007"_qs},
        {FIELD(SetNomeCidade, NomeCidade), u"Belo \"BH\" Horizonte"_qs, u"Belo BH Horizonte"_qs},
        {FIELD(SetNomeCidadeEntr, NomeCidadeEntr), u"\""_qs + u"n"_qs.repeated(35),
         u"n"_qs.repeated(30)},
        {FIELD(SetNomeCidadeCob, NomeCidadeCob), u" \"Contagem\" "_qs, u" Contagem "_qs},
        {FIELD(SetEstado, Estado), u"mg"_qs, u"MG"_qs},
        {FIELD(SetEstado, Estado), u" mg"_qs, u" M"_qs},
        {FIELD(SetEstado, Estado), u"\"mg\""_qs, u"MG"_qs},
        {FIELD(SetEstadoEntr, EstadoEntr), u" mg"_qs, u"MG"_qs},
        {FIELD(SetEstadoEntr, EstadoEntr), u" \"sp\" "_qs, u"SP"_qs},
        {FIELD(SetEstadoCob, EstadoCob), u" mg"_qs, u" M"_qs},
        {FIELD(SetEstadoCob, EstadoCob), u"\"rj\""_qs, u"RJ"_qs},
        {FIELD(SetCep, Cep), u"30.140-071"_qs, u"30140071"_qs},
        {FIELD(SetCep, Cep), u"\"30140-071\""_qs, u"30140071"_qs},
        {FIELD(SetCepEntr, CepEntr), u"30140-0711"_qs, u"30140071"_qs},
        {FIELD(SetCepEntr, CepEntr), u"\"01310-100\""_qs, u"01310100"_qs},
        {FIELD(SetCepCob, CepCob), u"CEP \"20040-002\""_qs, u"20040002"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"12.345.678/0001-90"_qs, u"12345678000190"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u" isento "_qs, u" ISENTO "_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"\"123.456.789-01\""_qs, u"12345678901"_qs},
        {FIELD(SetInscEst, InscEst), u"062.123.456/0078"_qs, u"0621234560078"_qs},
        {FIELD(SetInscEst, InscEst), u" isento "_qs, u" ISENTO "_qs},
        // The first removal leaves isento" behind, which the mask rule reads as some other
        // exemption word.
        {FIELD(SetInscEst, InscEst), u"\"isento\""_qs, u""_qs},
        {FIELD(SetInscMunicipal, InscMunicipal), u"\"123.456-7\""_qs, u"1234567"_qs},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), u"Juridica"_qs, u"J"_qs},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), u"\"F\""_qs, u"F"_qs},
        {FIELD(SetFone, Fone), u"(31) 3333-4444"_qs, u"3133334444"_qs},
        {FIELD(SetFone, Fone), u"31 3333-4444 / 5555-6666"_qs, u"31333344445"_qs},
        // Each removal keeps 15 digits, one short of the final 16.
        {FIELD(SetFone, Fone), u"\"31\" 3333-4444 / 5555-6666"_qs, u"313333444455556"_qs},
        {FIELD(SetFax, Fax), u"(31) 3333-4445 ramal 21"_qs, u"313333444521"_qs},
        {FIELD(SetFax, Fax), u"\"(31) 3333-4445\""_qs, u"3133334445"_qs},
        {FIELD(SetPrefixCelular, PrefixCelular), u"(031)"_qs, u"(031"_qs},
        {FIELD(SetPrefixCelular, PrefixCelular), u"\"(031)\""_qs, u"031"_qs},
        {FIELD(SetCelular, Celular), u"(31) 99999-8888"_qs, u"31999998888"_qs},
        {FIELD(SetCelular, Celular), u"1234567890 1234567890 12345"_qs, u"12345678901234567890"_qs},
        // Each removal keeps 15 digits, five short of the final 20.
        {FIELD(SetCelular, Celular), u"\"31\" \"99999-8888\" 97777-6666"_qs, u"319999988889777"_qs},
        {FIELD(SetEmail, Email), u"  \"Ana\" <ana@exemplo.com.br> "_qs,
         u"Ana <ana@exemplo.com.br>"_qs},
        {FIELD(SetHomePage, HomePage), u" \"www.exemplo.com.br\" "_qs, u"www.exemplo.com.br"_qs},
        {FIELD(SetHomePage, HomePage), u"h"_qs.repeated(40), u"h"_qs.repeated(30)},
        {FIELD(SetAtivo, Ativo), u"Sim"_qs, u"S"_qs},
        {FIELD(SetAtivo, Ativo), u"\"N\""_qs, u"N"_qs},
        {FIELD(SetCliBloqueado, CliBloqueado), u"\"S\""_qs, u"S"_qs},
        {FIELD(SetRetemISS, RetemISS), u"\"nao\""_qs, u"n"_qs},
        {FIELD(SetMalaDiretaEletr, MalaDiretaEletr), u"\"Sim\" "_qs, u"Sim "_qs},
        {FIELD(SetProtestarCliente, ProtestarCliente), u"\"S\""_qs, u"S"_qs},
        {FIELD(SetNomeMae, NomeMae), u" Maria \"da Luz\""_qs, u" Maria da Luz"_qs},
        {FIELD(SetNomePai, NomePai), u"\"José\"  "_qs, u"José  "_qs},
        {FIELD(SetCodSegmento, CodSegmento), u"\"A\"-1"_qs, u"A-1"_qs},
        {FIELD(SetCodVendend1, CodVendend1), u" V\"01"_qs, u" V01"_qs},
        {FIELD(SetCodClasCli, CodClasCli), u"\"A1\""_qs, u"A1"_qs},
        {FIELD(SetCodClasCli, CodClasCli), u""_qs, u"A1"_qs},
        {FIELD(SetCodClasCli, CodClasCli), u"\"\""_qs, u"A1"_qs},
        {FIELD(SetCodClasCli, CodClasCli), u" "_qs, u" "_qs},
        {FIELD(SetCodPais, CodPais), u"55"_qs, u"0055"_qs},
        {FIELD(SetCodPais, CodPais), u""_qs, u"0055"_qs},
        {FIELD(SetCodPais, CodPais), u" \t "_qs, u"0055"_qs},
        {FIELD(SetCodPais, CodPais), u"12345"_qs, u"1234"_qs},
        {FIELD(SetCodPais, CodPais), u"\"76\""_qs, u"0076"_qs},
        {FIELD(SetObsercacao, Observacao), u"Cliente \"VIP\"; paga em dia"_qs,
         u"Cliente VIP; paga em dia"_qs},
        {FIELD(SetObsercacao, Observacao), u"o"_qs.repeated(120), u"o"_qs.repeated(100)},
        {FIELD(SetCampoLivre1, CampoLivre1), u"\""_qs + u"1"_qs.repeated(25), u"1"_qs.repeated(20)},
        {FIELD(SetCampoLivre2, CampoLivre2), u"\"x\""_qs, u"x"_qs},
        {FIELD(SetCampoLivre3, CampoLivre3), u"3"_qs.repeated(70) + u'"', u"3"_qs.repeated(60)},
        {FIELD(SetCampoLivre4, CampoLivre4), u"\"4\""_qs, u"4"_qs},
        {FIELD(SetCampoLivre5, CampoLivre5), u"5"_qs.repeated(50) + u'"', u"5"_qs.repeated(40)},
        {FIELD(SetCampoLivre6, CampoLivre6), u"\"6\""_qs, u"6"_qs},
        {FIELD(SetCampoLivre7, CampoLivre7), u"\"7\""_qs, u"7"_qs},
        {FIELD(SetCampoLivre8, CampoLivre8), u"\"8\""_qs, u"8"_qs},
        {FIELD(SetCampoLivre9, CampoLivre9), u"\"9\""_qs, u"9"_qs},
        // The cut after the first removal still holds the second quote, so each ends one
        // character short of its limit.
        {FIELD(SetCampoLivre10, CampoLivre10), u"\"10\" "_qs + u"z"_qs.repeated(40),
         u"10 "_qs + u"z"_qs.repeated(36)},
        {FIELD(SetNomeSocio, NomeSocio), u"\"Sócio\" "_qs + u"s"_qs.repeated(50),
         u"Sócio "_qs + u"s"_qs.repeated(43)},
    };
    ExpectAll(cliente, cases);
}

TEST(TConverteCliente, DateSettersHoldDayMonthYearWithDots) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    const Case cases[] = {
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"25/12/1980"_qs, u"25.12.1980"_qs},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"25-12-1980"_qs, u"25.12.1980"_qs},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"29216"_qs, u"27.12.1979"_qs},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u""_qs, u""_qs},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"abc/1"_qs, u"abc.1"_qs},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"19800101"_qs, u"19800101"_qs},
        // Dates keep their double quotes; the target refuses such a date.
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"\"25/12/1980\""_qs, u"\"25.12.1980\""_qs},
        {FIELD(SetDT_Cadastro, DT_Cadastro), u""_qs, Today()},
        {FIELD(SetDT_Cadastro, DT_Cadastro), u"  -   -"_qs, Today()},
        {FIELD(SetDT_Cadastro, DT_Cadastro), u"41000"_qs, u"01.04.2012"_qs},
        {FIELD(SetDT_Cadastro, DT_Cadastro), u"abc"_qs, u"abc"_qs},
        {FIELD(SetDt_Ult_Venda, Dt_Ult_Venda), u""_qs, Today()},
        {FIELD(SetDt_Ult_Venda, Dt_Ult_Venda), u"31/01/2020"_qs, u"31.01.2020"_qs},
        {FIELD(SetDt_Ult_Venda, Dt_Ult_Venda), u"abc"_qs, u""_qs},
        {FIELD(SetDt_Ult_Alteracao, Dt_Ult_Alteracao), u""_qs, Today()},
        {FIELD(SetDt_Ult_Alteracao, Dt_Ult_Alteracao), u"29216"_qs, u"27.12.1979"_qs},
        {FIELD(SetDt_Ult_Alteracao, Dt_Ult_Alteracao), u"19800101"_qs, u""_qs},
        {FIELD(SetDT_Valcad, DT_ValCad), u""_qs, Today()},
        {FIELD(SetDT_Valcad, DT_ValCad), u"01-02-2030"_qs, u"01.02.2030"_qs},
        {FIELD(SetDT_Valcad, DT_ValCad), u"13.01.2027"_qs, u"13.01.2027"_qs},
    };
    ExpectAll(cliente, cases);
}

TEST(TConverteCliente, DatesGetDotsWhateverTheRegionalDateSeparator) {
    ProcessSettingsGuard guard;
    ProcessFormatSettings().SetDateSeparator(u'-');
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    const Case cases[] = {
        {FIELD(SetDT_Cadastro, DT_Cadastro), u""_qs, Today()},
        {FIELD(SetDT_Nascimento, DT_Nascimento), u"29216"_qs, u"27.12.1979"_qs},
        {FIELD(SetDt_Ult_Alteracao, Dt_Ult_Alteracao), u""_qs, Today()},
    };
    ExpectAll(cliente, cases);
}

TEST(TConverteCliente, LimpaVariavelResetsItsFieldsAndLeavesTheOthers) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    FillEveryField(cliente);
    cliente.LimpaVariavel();
    struct Expected {
        const char* name;
        Getter get;
        QString value;
    };
    const Expected fields[] = {
        {"CodCliente", &TConverteCliente::CodCliente, u"00000000"_qs},
        {"CodFornec", &TConverteCliente::CodFornec, u"F01"_qs},
        {"Nome", &TConverteCliente::Nome, u""_qs},
        {"Contato", &TConverteCliente::Contato, u"Maria"_qs},
        {"NomeFantasia", &TConverteCliente::NomeFantasia, u""_qs},
        {"Endereco", &TConverteCliente::Endereco, u""_qs},
        {"EnderecoEntr", &TConverteCliente::EnderecoEntr, u""_qs},
        {"EnderecoCob", &TConverteCliente::EnderecoCob, u""_qs},
        {"Bairro", &TConverteCliente::Bairro, u""_qs},
        {"BairroEntr", &TConverteCliente::BairroEntr, u""_qs},
        {"BairroCob", &TConverteCliente::BairroCob, u""_qs},
        {"CodCidade", &TConverteCliente::CodCidade, u""_qs},
        {"NomeCidade", &TConverteCliente::NomeCidade, u"Belo Horizonte"_qs},
        {"CodCidadeEntr", &TConverteCliente::CodCidadeEntr, u""_qs},
        {"NomeCidadeEntr", &TConverteCliente::NomeCidadeEntr, u"Contagem"_qs},
        {"CodCidadeCob", &TConverteCliente::CodCidadeCob, u""_qs},
        {"NomeCidadeCob", &TConverteCliente::NomeCidadeCob, u"Betim"_qs},
        {"Estado", &TConverteCliente::Estado, u""_qs},
        {"EstadoEntr", &TConverteCliente::EstadoEntr, u""_qs},
        {"EstadoCob", &TConverteCliente::EstadoCob, u""_qs},
        {"Cep", &TConverteCliente::Cep, u""_qs},
        {"CepEntr", &TConverteCliente::CepEntr, u""_qs},
        {"CepCob", &TConverteCliente::CepCob, u""_qs},
        {"CgcCpf", &TConverteCliente::CgcCpf, u""_qs},
        {"InscEst", &TConverteCliente::InscEst, u""_qs},
        {"InscMunicipal", &TConverteCliente::InscMunicipal, u"555"_qs},
        {"Pessoa_FJ", &TConverteCliente::Pessoa_FJ, u"F"_qs},
        {"Fone", &TConverteCliente::Fone, u""_qs},
        {"Fax", &TConverteCliente::Fax, u""_qs},
        {"PrefixCelular", &TConverteCliente::PrefixCelular, u""_qs},
        {"Celular", &TConverteCliente::Celular, u""_qs},
        {"Email", &TConverteCliente::Email, u""_qs},
        {"HomePage", &TConverteCliente::HomePage, u""_qs},
        {"Ativo", &TConverteCliente::Ativo, u"S"_qs},
        {"NomeMae", &TConverteCliente::NomeMae, u"Ana"_qs},
        {"NomePai", &TConverteCliente::NomePai, u"Jose"_qs},
        {"CliBloqueado", &TConverteCliente::CliBloqueado, u"N"_qs},
        {"RetemISS", &TConverteCliente::RetemISS, u""_qs},
        {"MalaDiretaEletr", &TConverteCliente::MalaDiretaEletr, u"N"_qs},
        {"ProtestarCliente", &TConverteCliente::ProtestarCliente, u"N"_qs},
        {"DT_Nascimento", &TConverteCliente::DT_Nascimento, u""_qs},
        {"DT_Cadastro", &TConverteCliente::DT_Cadastro, Today()},
        {"Dt_Ult_Venda", &TConverteCliente::Dt_Ult_Venda, u"15.03.2024"_qs},
        {"Dt_Ult_Alteracao", &TConverteCliente::Dt_Ult_Alteracao, Today()},
        {"DT_ValCad", &TConverteCliente::DT_ValCad, u"31.12.2025"_qs},
        {"Observacao", &TConverteCliente::Observacao, u""_qs},
        {"CampoLivre1", &TConverteCliente::CampoLivre1, u""_qs},
        {"CampoLivre2", &TConverteCliente::CampoLivre2, u""_qs},
        {"CampoLivre3", &TConverteCliente::CampoLivre3, u""_qs},
        {"CampoLivre4", &TConverteCliente::CampoLivre4, u""_qs},
        {"CampoLivre5", &TConverteCliente::CampoLivre5, u""_qs},
        {"CampoLivre6", &TConverteCliente::CampoLivre6, u""_qs},
        {"CampoLivre7", &TConverteCliente::CampoLivre7, u""_qs},
        {"CampoLivre8", &TConverteCliente::CampoLivre8, u""_qs},
        {"CampoLivre9", &TConverteCliente::CampoLivre9, u""_qs},
        {"CampoLivre10", &TConverteCliente::CampoLivre10, u""_qs},
        {"CodPais", &TConverteCliente::CodPais, u"1058"_qs},
        {"NomeSocio", &TConverteCliente::NomeSocio, u"Pedro"_qs},
        {"CodSegmento", &TConverteCliente::CodSegmento, u"SEG1"_qs},
        {"CodClasCli", &TConverteCliente::CodClasCli, u"CL1"_qs},
        {"CodVendend1", &TConverteCliente::CodVendend1, u"V1"_qs},
    };
    for (const Expected& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ((cliente.*f.get)(), f.value);
    }
    EXPECT_EQ(cliente.LimiteCredito(), 1500.5);
}

TEST(TConverteCliente, InsertOfAResetRecordLeavesTheMissingDatesOut) {
    TargetDatabase unconnected;
    const TConverteCliente cliente(unconnected);
    const QString expected =
        kInsertColumns +
        QStringLiteral(
            "Cliente.Data_Ult_Alteracao, cliente.dt_cadastro, cliente.Ativo, "
            "cliente.CliBloqueado, cliente.maladiretaeletr, cliente.protestarcliente) "
            "Values ( '00000000', '', '', '', '', '', '', '', '', '', 'F', '', '', '', '', "
            "'', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', "
            "'', '', '', '', '', '', '', '', 0, '', '', '%1', '%1', 'S','N',\"N\", \"N\")")
            .arg(Today());
    EXPECT_EQ(cliente.MontaSqlInsere(), expected);
}

TEST(TConverteCliente, InsertOfAFullRecordWritesEveryDateAndTheConstantFlags) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    FillEveryField(cliente);
    const QString expected =
        kInsertColumns +
        QStringLiteral(
            "cliente.dt_nascimento, cliente.dt_ultvenda, Cliente.Data_Ult_Alteracao, "
            "cliente.dt_cadastro, cliente.DT_ValCad, cliente.Ativo, cliente.CliBloqueado, "
            "cliente.maladiretaeletr, cliente.protestarcliente) "
            "Values ( '00000123', 'JOANA D''ARC', 'DROGARIA CENTRAL', 'Rua A, 1', 'Centro', "
            "'00001', 'MG', '30140071', '12345678901', '0621234560078', 'F', '3133334444', "
            "'3133334445', '31', '999998888', 'L1', 'L2', 'L3', 'L4', 'L5', 'L6', 'L7', 'L8', "
            "'L9', 'L10', 'Cliente antigo', 'N', 'joana@exemplo.com.br', 'www.exemplo.com.br', "
            "'Rua C, 3', 'Funcionarios', '20040002', '00003', 'RJ', 'Rua B, 2', 'Savassi', "
            "'01310100', '00002', 'SP', 'F01', 'Maria', 'SEG1', 'CL1', 'V1', 1500.5, '1058', "
            "'Pedro', '25.12.1980', '15.03.2024', '20.04.2024', '01.02.2020', '31.12.2025', "
            "'S','S',\"N\", \"N\")");
    EXPECT_EQ(cliente.MontaSqlInsere(), expected);
}

TEST(TConverteCliente, BoundInsertAndUpdateAreWhatTheirTextsReadAs) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    const auto expectBoundAsRead = [&cliente] {
        ExpectBoundAsTheTextReads(cliente.BoundInsert(), cliente.MontaSqlInsere());
        ExpectBoundAsTheTextReads(cliente.BoundAtualiza(), cliente.AtualizaCliente());
    };
    expectBoundAsRead();
    FillEveryField(cliente);
    expectBoundAsRead();
    for (unsigned present = 0; present < 32; ++present) {
        SCOPED_TRACE(present);
        cliente.SetDT_Nascimento(present & 1u ? u"25/12/1980"_qs : QString());
        cliente.SetDt_Ult_Venda(present & 2u ? u"15/03/2024"_qs : QString());
        cliente.SetDt_Ult_Alteracao(present & 4u ? u"20-04-2024"_qs : QString());
        cliente.SetDT_Cadastro(present & 8u ? u"01.02.2020"_qs : QString());
        cliente.SetDT_Valcad(present & 16u ? u"31/12/2025"_qs : QString());
        for (const double limit : {0.0, 1500.5, -0.1, 1.0 / 3.0, 1e300}) {
            SCOPED_TRACE(limit);
            cliente.SetLimiteCredito(limit);
            cliente.SetNome(u"D'Arc \"x\" '' ;"_qs);
            expectBoundAsRead();
        }
    }
}

TEST(TConverteCliente, UpdateOfAFullRecordAssignsEveryColumnButTheCode) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    FillEveryField(cliente);
    EXPECT_EQ(
        cliente.AtualizaCliente(),
        QStringLiteral(
            "Update Cliente set cliente.Nome = 'JOANA D''ARC', cliente.nomefantasia = "
            "'DROGARIA CENTRAL', cliente.endereco = 'Rua A, 1', cliente.bairro = 'Centro', "
            "cliente.codcidade = '00001', cliente.estado = 'MG', cliente.cep = '30140071', "
            "cliente.cgccpf = '12345678901', cliente.inscest = '0621234560078', "
            "cliente.pessoa_fj = 'F', cliente.fone = '3133334444', cliente.fax = '3133334445', "
            "cliente.prefixcelular = '31', cliente.celular = '999998888', cliente.campolivre1 = "
            "'L1', cliente.campolivre2 = 'L2', cliente.campolivre3 = 'L3', cliente.campolivre4 = "
            "'L4', cliente.campolivre5 = 'L5', cliente.campolivre6 = 'L6', cliente.campolivre7 = "
            "'L7', cliente.campolivre8 = 'L8', cliente.campolivre9 = 'L9', cliente.campolivre10 "
            "= 'L10', cliente.observacao = 'Cliente antigo', cliente.RetemISS = 'N', "
            "cliente.email = 'joana@exemplo.com.br', cliente.homepage = 'www.exemplo.com.br', "
            "cliente.enderecocob = 'Rua C, 3', cliente.bairrocob = 'Funcionarios', "
            "cliente.cepcob = '20040002', cliente.codcidadecob = '00003', cliente.estadocob = "
            "'RJ', cliente.enderecoent = 'Rua B, 2', cliente.bairroent = 'Savassi', "
            "cliente.cepent = '01310100', cliente.codcidadeent = '00002', cliente.estadoent = "
            "'SP', cliente.codfornec = 'F01', Cliente.contato = 'Maria', Cliente.CodSegmento = "
            "'SEG1', Cliente.CodClasCli = 'CL1', Cliente.CodVendend1 = 'V1', "
            "Cliente.LimiteCredito = 1500.5, Cliente.CodPais = '1058', cliente.nomesocio = "
            "'Pedro', cliente.dt_nascimento = '25.12.1980', cliente.dt_ultvenda = '15.03.2024', "
            "Cliente.Data_Ult_Alteracao = '20.04.2024', cliente.dt_cadastro = '01.02.2020', "
            "cliente.DT_ValCad = '31.12.2025', cliente.Ativo = 'S', cliente.CliBloqueado = "
            "\"N\", cliente.maladiretaeletr = \"N\", cliente.protestarcliente = \"N\" where "
            "cliente.codcliente = '00000123'"));
}

TEST(TConverteCliente, UpdateOfAnEmptyRecordClearsItsEmptyDates) {
    TargetDatabase unconnected;
    TConverteCliente cliente(unconnected);
    cliente.SetDt_Ult_Alteracao(u"unreadable"_qs);
    EXPECT_EQ(
        cliente.AtualizaCliente(),
        QStringLiteral(
            "Update Cliente set cliente.Nome = '', cliente.nomefantasia = '', cliente.endereco "
            "= '', cliente.bairro = '', cliente.codcidade = '', cliente.estado = '', cliente.cep "
            "= '', cliente.cgccpf = '', cliente.inscest = '', cliente.pessoa_fj = 'F', "
            "cliente.fone = '', cliente.fax = '', cliente.prefixcelular = '', cliente.celular = "
            "'', cliente.campolivre1 = '', cliente.campolivre2 = '', cliente.campolivre3 = '', "
            "cliente.campolivre4 = '', cliente.campolivre5 = '', cliente.campolivre6 = '', "
            "cliente.campolivre7 = '', cliente.campolivre8 = '', cliente.campolivre9 = '', "
            "cliente.campolivre10 = '', cliente.observacao = '', cliente.RetemISS = '', "
            "cliente.email = '', cliente.homepage = '', cliente.enderecocob = '', "
            "cliente.bairrocob = '', cliente.cepcob = '', cliente.codcidadecob = '', "
            "cliente.estadocob = '', cliente.enderecoent = '', cliente.bairroent = '', "
            "cliente.cepent = '', cliente.codcidadeent = '', cliente.estadoent = '', "
            "cliente.codfornec = '', Cliente.contato = '', Cliente.CodSegmento = '', "
            "Cliente.CodClasCli = '', Cliente.CodVendend1 = '', Cliente.LimiteCredito = 0, "
            "Cliente.CodPais = '', cliente.nomesocio = '', cliente.dt_nascimento = NULL , "
            "cliente.dt_ultvenda = NULL , Cliente.Data_Ult_Alteracao = NULL , "
            "cliente.dt_cadastro = '%1', cliente.DT_ValCad = NULL , cliente.Ativo = 'S', "
            "cliente.CliBloqueado = \"N\", cliente.maladiretaeletr = \"N\", "
            "cliente.protestarcliente = \"N\" where cliente.codcliente = '00000000'")
            .arg(Today()));
}

TEST(TConverteCliente, LimpaTabelaEmptiesClienteAndCommits) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO CLIENTE (CODCLIENTE) VALUES ('00000999')")});
    TConverteCliente cliente(target.Database());
    cliente.SetCodCliente(u"1"_qs);
    cliente.ExecutaSql(1);
    ASSERT_TRUE(target.Transaction().InTransaction());

    cliente.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(kAllColumns).empty()); // read on a connection of its own
}

TEST(TConverteCliente, InsertWritesAwkwardTextWholeAndTodayAsToday) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    FillEveryField(cliente);
    cliente.SetNome(u"São José D'Ávila"_qs);
    cliente.SetEndereco(u"Rua 1; DROP TABLE CLIENTE; --"_qs);
    cliente.SetBairro(u"x'); DROP TABLE CLIENTE; --"_qs);
    cliente.SetContato(u"O'Brien' OR '1'='1"_qs);
    cliente.SetObsercacao(u"linha 1\nlinha 2\r\nfim; 'aspas' \"duplas\" /* -- */"_qs);
    cliente.SetCampoLivre3(u":NOME ? :pCODIGO"_qs);
    cliente.SetEmail(u"a'b@c.com.br"_qs);
    cliente.SetNomeSocio(u"Ângela Müller"_qs);
    cliente.SetCodSegmento(u"';--"_qs);
    cliente.SetDt_Ult_Venda(u"29216"_qs);
    cliente.SetDT_Cadastro(u""_qs);
    cliente.SetDt_Ult_Alteracao(u""_qs);
    EXPECT_TRUE(cliente.ExecutaSql(1));
    EXPECT_EQ(cliente.CodCliente(), u"00000000"_qs); // reset after the write
    target.Transaction().Commit();

    const QString today = Today();
    EXPECT_EQ(target.Rows(kAllColumns),
              (std::vector<QStringList>{{u"00000123"_qs,
                                         u"SAO JOSE D'AVILA"_qs,
                                         u"DROGARIA CENTRAL"_qs,
                                         u"Rua 1; DROP TABLE CLIENTE; --"_qs,
                                         u"x'); DROP TABLE CLIENTE; --"_qs,
                                         u"00001"_qs,
                                         u"MG"_qs,
                                         u"30140071"_qs,
                                         u"12345678901"_qs,
                                         u"0621234560078"_qs,
                                         u"F"_qs,
                                         u"3133334444"_qs,
                                         u"3133334445"_qs,
                                         u"31"_qs,
                                         u"999998888"_qs,
                                         u"L1"_qs,
                                         u"L2"_qs,
                                         u":NOME ? :pCODIGO"_qs,
                                         u"L4"_qs,
                                         u"L5"_qs,
                                         u"L6"_qs,
                                         u"L7"_qs,
                                         u"L8"_qs,
                                         u"L9"_qs,
                                         u"L10"_qs,
                                         u"linha 1\nlinha 2\r\nfim; 'aspas' duplas /* -- */"_qs,
                                         u"N"_qs,
                                         u"a'b@c.com.br"_qs,
                                         u"www.exemplo.com.br"_qs,
                                         u"Rua C, 3"_qs,
                                         u"Funcionarios"_qs,
                                         u"20040002"_qs,
                                         u"00003"_qs,
                                         u"RJ"_qs,
                                         u"Rua B, 2"_qs,
                                         u"Savassi"_qs,
                                         u"01310100"_qs,
                                         u"00002"_qs,
                                         u"SP"_qs,
                                         u"F01"_qs,
                                         u"O'Brien' OR '1'='1"_qs,
                                         u"';--"_qs,
                                         u"CL1"_qs,
                                         u"V1"_qs,
                                         u"1500.5"_qs,
                                         u"1058"_qs,
                                         u"Ângela Müller"_qs,
                                         u"25.12.1980"_qs,
                                         u"27.12.1979"_qs,
                                         today,
                                         today,
                                         u"31.12.2025"_qs,
                                         u"S"_qs,
                                         u"S"_qs,
                                         u"N"_qs,
                                         u"N"_qs}}));
}

TEST(TConverteCliente, ResetRecordWritesItsStartValuesAndNoOptionalDates) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    cliente.ExecutaSql(1);
    target.Transaction().Commit();

    QStringList expected(56, QString());
    expected[0] = u"00000000"_qs;
    expected[10] = u"F"_qs;
    expected[44] = u"0"_qs;
    expected[47] = u"<null>"_qs;
    expected[48] = u"<null>"_qs;
    expected[49] = Today();
    expected[50] = Today();
    expected[51] = u"<null>"_qs;
    expected[52] = u"S"_qs;
    expected[53] = u"N"_qs;
    expected[54] = u"N"_qs;
    expected[55] = u"N"_qs;
    EXPECT_EQ(target.Rows(kAllColumns), std::vector<QStringList>{expected});
}

TEST(TConverteCliente, UpdateRewritesTheClientWithTheSameCode) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    FillEveryField(cliente);
    cliente.ExecutaSql(1);

    // After the insert's reset only the fields the reset leaves alone still hold values.
    cliente.SetCodCliente(u"123"_qs);
    cliente.SetNome(u"maria nova"_qs);
    cliente.SetCliBloqueado(u"S"_qs);
    cliente.SetDt_Ult_Venda(u"unreadable"_qs);
    EXPECT_TRUE(cliente.ExecutaSql(2));
    cliente.SetCodCliente(u"999"_qs);
    EXPECT_TRUE(cliente.ExecutaSql(2)); // no such client: nothing changes
    target.Transaction().Commit();

    QStringList expected(56, QString());
    expected[0] = u"00000123"_qs;
    expected[1] = u"MARIA NOVA"_qs;
    expected[10] = u"F"_qs;
    expected[39] = u"F01"_qs;
    expected[40] = u"Maria"_qs;
    expected[41] = u"SEG1"_qs;
    expected[42] = u"CL1"_qs;
    expected[43] = u"V1"_qs;
    expected[44] = u"1500.5"_qs;
    expected[45] = u"1058"_qs;
    expected[46] = u"Pedro"_qs;
    expected[47] = u"<null>"_qs;
    expected[48] = u"<null>"_qs;
    expected[49] = Today();
    expected[50] = Today();
    expected[51] = u"31.12.2025"_qs;
    expected[52] = u"S"_qs;
    expected[53] = u"N"_qs;
    expected[54] = u"N"_qs;
    expected[55] = u"N"_qs;
    EXPECT_EQ(target.Rows(kAllColumns), std::vector<QStringList>{expected});
}

TEST(TConverteCliente, DuplicateCodeFailsWithTheServerMessageAndKeepsTheRecord) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    cliente.SetCodCliente(u"1"_qs);
    cliente.SetNome(u"primeiro"_qs);
    cliente.ExecutaSql(1);

    cliente.SetCodCliente(u"1"_qs);
    cliente.SetNome(u"segundo"_qs);
    ExpectErrorContaining([&] { cliente.ExecutaSql(1); }, u"PRIMARY or UNIQUE KEY"_qs);
    EXPECT_EQ(cliente.CodCliente(), u"00000001"_qs);
    EXPECT_EQ(cliente.Nome(), u"SEGUNDO"_qs);
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODCLIENTE, NOME FROM CLIENTE")),
              (std::vector<QStringList>{{u"00000001"_qs, u"PRIMEIRO"_qs}}));
}

TEST(TConverteCliente, UnknownActionIsRefusedWithoutRunningTheLastStatement) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    cliente.SetCodCliente(u"1"_qs);
    cliente.ExecutaSql(1);

    cliente.SetCodCliente(u"2"_qs);
    ExpectErrorContaining([&] { cliente.ExecutaSql(3); }, u"desconhecida: 3"_qs);
    EXPECT_EQ(cliente.CodCliente(), u"00000002"_qs);
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODCLIENTE FROM CLIENTE")),
              (std::vector<QStringList>{{u"00000001"_qs}}));
}

TEST(TConverteCliente, GravaNClienteWritesTheCountOfCompany00) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    cliente.SetNome(u"mantido"_qs);
    cliente.GravaNCliente(42);
    EXPECT_TRUE(target.Transaction().InTransaction());
    EXPECT_EQ(cliente.Nome(), u"MANTIDO"_qs);
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODEMPRESA, NUMEROCLIENTES FROM NCLIENTE")),
              (std::vector<QStringList>{{u"00"_qs, u"42"_qs}}));
}

TEST(TConverteCliente, TextOutsideWin1252EndsWithTheServerMessage) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    cliente.SetNome(u"Ω Farma"_qs);
    ExpectErrorContaining([&] { cliente.ExecutaSql(1); }, u"transliterate"_qs);
    EXPECT_EQ(cliente.Nome(), u"Ω FARMA"_qs);
}

TEST(TConverteCliente, LongestValueOfEverySetterFitsItsColumn) {
    ScratchTarget target;
    TConverteCliente cliente(target.Database());
    const QString digits = u"9"_qs.repeated(40);
    const QString text = u"é"_qs.repeated(200);
    const QString code = u"C"_qs.repeated(10); // these setters keep any length
    const LongestValue<Writer> fields[] = {
        {FIELD(SetCodCliente, CodCliente), digits, "CODCLIENTE", 8},
        {FIELD(SetNome, Nome), text, "NOME", 60},
        {FIELD(SetNomeFantasia, NomeFantasia), text, "NOMEFANTASIA", 50},
        {FIELD(SetEndereco, Endereco), text, "ENDERECO", 60},
        {FIELD(SetBairro, Bairro), text, "BAIRRO", 30},
        {FIELD(SetCodCidade, CodCidade), digits, "CODCIDADE", 5},
        {FIELD(SetEstado, Estado), text, "ESTADO", 2},
        {FIELD(SetCep, Cep), digits, "CEP", 8},
        {FIELD(SetCgcCpf, CgcCpf), digits, "CGCCPF", 18},
        {FIELD(SetInscEst, InscEst), digits, "INSCEST", 15},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), u"Juridica"_qs, "PESSOA_FJ", 1},
        {FIELD(SetFone, Fone), digits, "FONE", 16},
        {FIELD(SetFax, Fax), digits, "FAX", 16},
        {FIELD(SetPrefixCelular, PrefixCelular), digits, "PREFIXCELULAR", 4},
        {FIELD(SetCelular, Celular), digits, "CELULAR", 20},
        {FIELD(SetCampoLivre1, CampoLivre1), text, "CAMPOLIVRE1", 20},
        {FIELD(SetCampoLivre2, CampoLivre2), text, "CAMPOLIVRE2", 20},
        {FIELD(SetCampoLivre3, CampoLivre3), text, "CAMPOLIVRE3", 60},
        {FIELD(SetCampoLivre4, CampoLivre4), text, "CAMPOLIVRE4", 60},
        {FIELD(SetCampoLivre5, CampoLivre5), text, "CAMPOLIVRE5", 40},
        {FIELD(SetCampoLivre6, CampoLivre6), text, "CAMPOLIVRE6", 40},
        {FIELD(SetCampoLivre7, CampoLivre7), text, "CAMPOLIVRE7", 40},
        {FIELD(SetCampoLivre8, CampoLivre8), text, "CAMPOLIVRE8", 40},
        {FIELD(SetCampoLivre9, CampoLivre9), text, "CAMPOLIVRE9", 40},
        {FIELD(SetCampoLivre10, CampoLivre10), text, "CAMPOLIVRE10", 40},
        {FIELD(SetObsercacao, Observacao), text, "OBSERVACAO", 100},
        {FIELD(SetRetemISS, RetemISS), text, "RETEMISS", 1},
        {FIELD(SetEmail, Email), text, "EMAIL", 60},
        {FIELD(SetHomePage, HomePage), text, "HOMEPAGE", 30},
        {FIELD(SetEnderecoCob, EnderecoCob), text, "ENDERECOCOB", 60},
        {FIELD(SetBairroCob, BairroCob), text, "BAIRROCOB", 30},
        {FIELD(SetCepCob, CepCob), digits, "CEPCOB", 8},
        {FIELD(SetCodCidadeCob, CodCidadeCob), digits, "CODCIDADECOB", 5},
        {FIELD(SetEstadoCob, EstadoCob), text, "ESTADOCOB", 2},
        {FIELD(SetEnderecoEntr, EnderecoEntr), text, "ENDERECOENT", 60},
        {FIELD(SetBairroEntr, BairroEntr), text, "BAIRROENT", 30},
        {FIELD(SetCepEntr, CepEntr), digits, "CEPENT", 8},
        {FIELD(SetCodCidadeEntr, CodCidadeEntr), digits, "CODCIDADEENT", 5},
        {FIELD(SetEstadoEntr, EstadoEntr), text, "ESTADOENT", 2},
        {FIELD(SetCodFornec, CodFornec), code, "CODFORNEC", 10},
        {FIELD(SetContato, Contato), text, "CONTATO", 50},
        {FIELD(SetCodSegmento, CodSegmento), code, "CODSEGMENTO", 10},
        {FIELD(SetCodClasCli, CodClasCli), code, "CODCLASCLI", 10},
        {FIELD(SetCodVendend1, CodVendend1), code, "CODVENDEND1", 10},
        {FIELD(SetCodPais, CodPais), digits, "CODPAIS", 4},
        {FIELD(SetNomeSocio, NomeSocio), text, "NOMESOCIO", 50},
        {FIELD(SetAtivo, Ativo), text, "ATIVO", 1},
        {FIELD(SetCliBloqueado, CliBloqueado), text, "CLIBLOQUEADO", 1},
    };
    ExpectLongestValuesFit(target, cliente, fields, u"CLIENTE"_qs, [&] { cliente.ExecutaSql(1); });

    // A code longer than its column is refused by the server, not cut here.
    cliente.SetCodCliente(u"2"_qs);
    cliente.SetCodFornec(u"F"_qs.repeated(11));
    ExpectErrorContaining([&] { cliente.ExecutaSql(1); }, u"truncation"_qs);
}
