#include "writers/Fornecedor.h"

#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/LongestValues.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "support/SetterCases.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vorlanda;

namespace {

using Setter = void (TConverteFornece::*)(const QString&);
using Getter = const QString& (TConverteFornece::*)() const;

// The writer whose setters FIELD names.
using Writer = TConverteFornece;

using Case = SetterCase<TConverteFornece>;

// Every property assigned with an ordinary value.
void FillEveryField(TConverteFornece& f) {
    f.SetCodFornec(u"12"_qs);
    f.SetCodcliente(u"345"_qs);
    f.SetNome(u" distribuidora d'ávila ltda "_qs);
    f.SetNomeFantasia(u"davila"_qs);
    f.SetContato(u"Marta"_qs);
    f.SetEndereco(u"Rua Sete, 7"_qs);
    f.SetBairro(u"Centro"_qs);
    f.SetCep(u"30140-071"_qs);
    f.SetCodCidade(u"1"_qs);
    f.SetNomeCidade(u"Belo Horizonte"_qs);
    f.SetNumero(u"7"_qs);
    f.SetComplemento(u"sala 2"_qs);
    f.SetEstado(u"MG"_qs);
    f.SetInscMunicipal(u"123.456-7"_qs);
    f.SetPessoa_FJ(u"J"_qs);
    f.SetCgcCpf(u"12.345.678/0001-90"_qs);
    f.SetInscEst(u"062.123.456/0078"_qs);
    f.Setobservacao(u"Entrega às 2ªs"_qs);
    f.SetFone(u"(31) 3333-4444"_qs);
    f.SetFax(u"(31) 3333-4445"_qs);
    f.SetCelular(u"(31) 99999-8888"_qs);
    f.SetEmail(u"compras@davila.com.br"_qs);
    f.SetHomePage(u"www.davila.com.br"_qs);
    f.SetCampoLivre1(u"L1"_qs);
    f.SetCampoLivre2(u"L2"_qs);
    f.SetContaCx(u"1.1.01"_qs);
    f.SetCTCTbred(u"2.2.02"_qs);
    f.SetAtivo(u"s"_qs);
    f.SetTipoFornece(u"Distribuidor"_qs);
}

const QString kInsertHead = QStringLiteral(
    "  Insert Into fornece (fornece.CodFornec, fornece.Nome, fornece.NomeFantasia, "
    "fornece.Contato, fornece.Endereco, fornece.Bairro, fornece.Cep, fornece.CodCidade, "
    "fornece.Numero, fornece.Complemento, fornece.Estado, fornece.InscMunicipal, "
    "fornece.Pessoa_FJ, fornece.CgcCpf, fornece.InscEst, fornece.observacao, fornece.Fone, "
    "fornece.Fax, fornece.Celular, fornece.Email, fornece.HomePage, fornece.CampoLivre1, "
    "fornece.CampoLivre2, fornece.codcliente, fornece.ativo, fornece.TipoFornece, "
    "fornece.contacx, fornece.ctctbred) Values (");

// Every column of FORNECE, in the order of the INSERT.
const QString kAllColumns = QStringLiteral(
    "SELECT CODFORNEC, NOME, NOMEFANTASIA, CONTATO, ENDERECO, BAIRRO, CEP, CODCIDADE, NUMERO, "
    "COMPLEMENTO, ESTADO, INSCMUNICIPAL, PESSOA_FJ, CGCCPF, INSCEST, OBSERVACAO, FONE, FAX, "
    "CELULAR, EMAIL, HOMEPAGE, CAMPOLIVRE1, CAMPOLIVRE2, CODCLIENTE, ATIVO, TIPOFORNECE, "
    "CONTACX, CTCTBRED FROM FORNECE ORDER BY CODFORNEC");

} // namespace

TEST(TConverteFornece, SettersDropApostrophesThenCutPadAndClean) {
    TargetDatabase unconnected;
    TConverteFornece fornece(unconnected);
    const Case cases[] = {
        {FIELD(SetCodFornec, CodFornec), u"7"_qs, u"000007"_qs},
        {FIELD(SetCodFornec, CodFornec), u"1234567"_qs, u"123456"_qs},
        {FIELD(SetCodFornec, CodFornec), u"1'2'3"_qs, u"000123"_qs},
        {FIELD(SetCodFornec, CodFornec), u"''"_qs, u"000000"_qs},
        {FIELD(SetCodFornec, CodFornec), u" 12"_qs, u"000 12"_qs},
        {FIELD(SetCodcliente, CodCliente), u"45"_qs, u"00000045"_qs},
        {FIELD(SetCodcliente, CodCliente), u"123456789"_qs, u"12345678"_qs},
        {FIELD(SetCodcliente, CodCliente), u"C'12"_qs, u"00000C12"_qs},
        {FIELD(SetNome, Nome), u"d'avila ltda"_qs, u"DAVILA LTDA"_qs},
        {FIELD(SetNome, Nome), u" São José: Farmácia; Ltda "_qs, u"SAO JOSE. FARMACIA. LTDA"_qs},
        {FIELD(SetNome, Nome), u"Drogas \"Boa Vida\""_qs, u"DROGAS \"BOA VIDA\""_qs},
        {FIELD(SetNome, Nome), u"   "_qs, u""_qs},
        {FIELD(SetNome, Nome), u" "_qs + u"a"_qs.repeated(55), u"A"_qs.repeated(50)},
        {FIELD(SetNomeFantasia, NomeFantasia), u" o'neil ÁGUA "_qs, u"ONEIL AGUA"_qs},
        {FIELD(SetNomeFantasia, NomeFantasia), u"b"_qs.repeated(45), u"B"_qs.repeated(40)},
        {FIELD(SetContato, Contato), u"  Ana D'Arc  "_qs, u"Ana DArc"_qs},
        {FIELD(SetContato, Contato), u"c"_qs.repeated(35), u"c"_qs.repeated(30)},
        {FIELD(SetEndereco, Endereco), u"Rua D'Ajuda, 10"_qs, u"Rua DAjuda, 10"_qs},
        {FIELD(SetEndereco, Endereco), u"   "_qs, u"   "_qs},
        {FIELD(SetEndereco, Endereco), u" "_qs + u"e"_qs.repeated(55),
         u" "_qs + u"e"_qs.repeated(49)},
        {FIELD(SetBairro, Bairro), u"  Sé  "_qs, u"Sé"_qs},
        {FIELD(SetBairro, Bairro), u"'"_qs + u"b"_qs.repeated(35), u"b"_qs.repeated(30)},
        // The mask goes after the cut, so a CEP typed with its dot loses its last digit.
        {FIELD(SetCep, Cep), u"30.140-071"_qs, u"3014007"_qs},
        {FIELD(SetCep, Cep), u"30140-071"_qs, u"30140071"_qs},
        {FIELD(SetCep, Cep), u"CEP 30140"_qs, u"CEP 30140"_qs},
        {FIELD(SetCodCidade, CodCidade), u"123"_qs, u"00123"_qs},
        {FIELD(SetCodCidade, CodCidade), u"1234567"_qs, u"12345"_qs},
        {FIELD(SetCodCidade, CodCidade), u""_qs, u""_qs},
        {FIELD(SetCodCidade, CodCidade), u"'"_qs, u""_qs},
        {FIELD(SetCodCidade, CodCidade), u" "_qs, u"0000 "_qs},
        {FIELD(SetNomeCidade, NomeCidade), u" Pérola d'Oeste "_qs, u"Pérola dOeste"_qs},
        {FIELD(SetNomeCidade, NomeCidade), u"n"_qs.repeated(35), u"n"_qs.repeated(30)},
        {FIELD(SetNumero, Numero), u"12'A"_qs, u"12A"_qs},
        {FIELD(SetNumero, Numero), u"1234567890123"_qs, u"1234567890"_qs},
        {FIELD(SetComplemento, Complemento), u"  sala 2  "_qs, u"sala 2"_qs},
        // Cut before the trim: the leading blank takes one of the 60 places.
        {FIELD(SetComplemento, Complemento), u" "_qs + u"x"_qs.repeated(65), u"x"_qs.repeated(59)},
        {FIELD(SetEstado, Estado), u"mg"_qs, u"mg"_qs},
        {FIELD(SetEstado, Estado), u" mg"_qs, u" m"_qs},
        {FIELD(SetEstado, Estado), u"M'G"_qs, u"MG"_qs},
        {FIELD(SetInscMunicipal, InscMunicipal), u"123.456-7"_qs, u"1234567"_qs},
        {FIELD(SetInscMunicipal, InscMunicipal), u" isento "_qs, u" ISENTO "_qs},
        {FIELD(SetInscMunicipal, InscMunicipal), u"Isenta"_qs, u""_qs},
        {FIELD(SetInscMunicipal, InscMunicipal), u"1"_qs.repeated(20), u"1"_qs.repeated(15)},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), u"Jurídica"_qs, u"J"_qs},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), u"'F'"_qs, u"F"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"12.345.678/0001-90"_qs, u"12345678000190"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"123'456.789-09"_qs, u"12345678909"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"isento"_qs, u"ISENTO"_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"  isento  "_qs, u"  ISENTO  "_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"Isenta"_qs, u""_qs},
        {FIELD(SetCgcCpf, CgcCpf), u"1234567890123456789"_qs, u"12345678901234"_qs},
        {FIELD(SetInscEst, InscEst), u"062.123.456/0078"_qs, u"0621234560078"_qs},
        {FIELD(SetInscEst, InscEst), u"ISENTO"_qs, u"ISENTO"_qs},
        // Without its apostrophe the word reads as some other exemption.
        {FIELD(SetInscEst, InscEst), u"D'Isento"_qs, u""_qs},
        {FIELD(SetInscEst, InscEst), u" isenta "_qs, u""_qs},
        {FIELD(SetFone, Fone), u"(031) 3333-4444 r. 22"_qs, u"03133334444"_qs},
        {FIELD(SetFone, Fone), u"000000000000"_qs, u"000000000000"_qs},
        {FIELD(SetFone, Fone), u"'31' 3333"_qs, u"313333"_qs},
        {FIELD(SetFax, Fax), u"fax: 31 2222-3333"_qs, u"312222333"_qs},
        {FIELD(SetFax, Fax), u"0000000000"_qs, u"0000000000"_qs},
        {FIELD(SetCelular, Celular), u"(31) 99999-8888 / 97777"_qs, u"31999998888"_qs},
        {FIELD(SetCelular, Celular), u"celular"_qs, u""_qs},
        {FIELD(SetEmail, Email), u"  a'b@c.com.br  "_qs, u"ab@c.com.br"_qs},
        {FIELD(SetEmail, Email), u"e"_qs.repeated(120), u"e"_qs.repeated(120)},
        {FIELD(SetHomePage, HomePage), u" www.x.com.br "_qs, u" www.x.com.br "_qs},
        {FIELD(SetHomePage, HomePage), u"h"_qs.repeated(35), u"h"_qs.repeated(30)},
        {FIELD(SetCampoLivre1, CampoLivre1), u"  livre'1 "_qs, u"livre1"_qs},
        {FIELD(SetCampoLivre1, CampoLivre1), u"1"_qs.repeated(25), u"1"_qs.repeated(20)},
        {FIELD(SetCampoLivre2, CampoLivre2), u" '2' "_qs, u"2"_qs},
        {FIELD(SetCampoLivre2, CampoLivre2), u"2"_qs.repeated(25), u"2"_qs.repeated(20)},
        {FIELD(SetContaCx, ContaCx), u" 1.1.01.001 "_qs, u"1.1.01."_qs},
        {FIELD(SetCTCTbred, CTCTbred), u"'12345'"_qs, u"12345"_qs},
        {FIELD(SetCTCTbred, CTCTbred), u"  9  "_qs, u"9"_qs},
        {FIELD(Setobservacao, Observacao), u"linha 1\nlinha 'dois'"_qs, u"linha 1\nlinha dois"_qs},
        {FIELD(Setobservacao, Observacao), u"  x  "_qs, u"  x  "_qs},
        {FIELD(Setobservacao, Observacao), u"o"_qs.repeated(120), u"o"_qs.repeated(100)},
        {FIELD(SetAtivo, Ativo), u"sim"_qs, u"S"_qs},
        {FIELD(SetAtivo, Ativo), u"'"_qs, u"'"_qs},
        {FIELD(SetAtivo, Ativo), u"ñ"_qs, u"Ñ"_qs},
        {FIELD(SetAtivo, Ativo), u""_qs, u""_qs},
        {FIELD(SetTipoFornece, TipoFornece), u" Distribuidor d'água "_qs + u"t"_qs.repeated(30),
         u" Distribuidor dágua "_qs + u"t"_qs.repeated(30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "(" + c.in.toStdString() + ")");
        (fornece.*c.set)(c.in);
        EXPECT_EQ((fornece.*c.get)(), c.out);
    }
}

TEST(TConverteFornece, LimpaVariavelResetsAllButCodClienteContasAndAtivo) {
    TargetDatabase unconnected;
    TConverteFornece fornece(unconnected);
    FillEveryField(fornece);
    fornece.LimpaVariavel();
    struct Expected {
        const char* name;
        Getter get;
        QString value;
    };
    const Expected fields[] = {
        {"CodFornec", &TConverteFornece::CodFornec, u"000000"_qs},
        {"CodCliente", &TConverteFornece::CodCliente, u"00000345"_qs},
        {"Nome", &TConverteFornece::Nome, u""_qs},
        {"NomeFantasia", &TConverteFornece::NomeFantasia, u""_qs},
        {"Contato", &TConverteFornece::Contato, u""_qs},
        {"Endereco", &TConverteFornece::Endereco, u""_qs},
        {"Bairro", &TConverteFornece::Bairro, u""_qs},
        {"Cep", &TConverteFornece::Cep, u""_qs},
        {"CodCidade", &TConverteFornece::CodCidade, u""_qs},
        {"NomeCidade", &TConverteFornece::NomeCidade, u""_qs},
        {"Numero", &TConverteFornece::Numero, u""_qs},
        {"Complemento", &TConverteFornece::Complemento, u""_qs},
        {"Estado", &TConverteFornece::Estado, u""_qs},
        {"InscMunicipal", &TConverteFornece::InscMunicipal, u""_qs},
        {"Pessoa_FJ", &TConverteFornece::Pessoa_FJ, u""_qs},
        {"CgcCpf", &TConverteFornece::CgcCpf, u""_qs},
        {"InscEst", &TConverteFornece::InscEst, u""_qs},
        {"Fone", &TConverteFornece::Fone, u""_qs},
        {"Fax", &TConverteFornece::Fax, u""_qs},
        {"Celular", &TConverteFornece::Celular, u""_qs},
        {"Email", &TConverteFornece::Email, u""_qs},
        {"HomePage", &TConverteFornece::HomePage, u""_qs},
        {"CampoLivre1", &TConverteFornece::CampoLivre1, u""_qs},
        {"CampoLivre2", &TConverteFornece::CampoLivre2, u""_qs},
        {"ContaCx", &TConverteFornece::ContaCx, u"1.1.01"_qs},
        {"CTCTbred", &TConverteFornece::CTCTbred, u"2.2.02"_qs},
        {"Observacao", &TConverteFornece::Observacao, u""_qs},
        {"Ativo", &TConverteFornece::Ativo, u"S"_qs},
        {"TipoFornece", &TConverteFornece::TipoFornece, u""_qs},
    };
    for (const Expected& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ((fornece.*f.get)(), f.value);
    }
}

TEST(TConverteFornece, InsertOfAResetRecordIsEmptyTextButTheCodeAndTheCarriedFields) {
    TargetDatabase unconnected;
    TConverteFornece fornece(unconnected);
    EXPECT_EQ(fornece.MontaSql(),
              kInsertHead + QStringLiteral("'000000', '', '', '', '', '', '', '', '', '', '', "
                                           "'', '', '', '', '', '', '', '', '', '', '', '', "
                                           "'', '', '', '', '') "));

    fornece.SetCodcliente(u"9"_qs);
    fornece.SetAtivo(u"'"_qs);
    fornece.SetContaCx(u"CX"_qs);
    fornece.SetCTCTbred(u"CT"_qs);
    fornece.SetNome(u"some"_qs);
    fornece.LimpaVariavel();
    EXPECT_EQ(fornece.MontaSql(),
              kInsertHead + QStringLiteral("'000000', '', '', '', '', '', '', '', '', '', '', "
                                           "'', '', '', '', '', '', '', '', '', '', '', '', "
                                           "'00000009', '''', '', 'CX', 'CT') "));
}

TEST(TConverteFornece, InsertOfAFullRecordQuotesEveryValueInColumnOrder) {
    TargetDatabase unconnected;
    TConverteFornece fornece(unconnected);
    FillEveryField(fornece);
    EXPECT_EQ(fornece.MontaSql(),
              kInsertHead +
                  QStringLiteral(
                      "'000012', 'DISTRIBUIDORA DAVILA LTDA', 'DAVILA', 'Marta', 'Rua Sete, 7', "
                      "'Centro', '30140071', '00001', '7', 'sala 2', 'MG', '1234567', 'J', "
                      "'12345678000190', '0621234560078', 'Entrega às 2ªs', '3133334444', "
                      "'3133334445', '31999998888', 'compras@davila.com.br', "
                      "'www.davila.com.br', 'L1', 'L2', '00000345', 'S', 'Distribuidor', "
                      "'1.1.01', '2.2.02') "));
}

TEST(TConverteFornece, BoundInsertIsWhatItsTextReadsAs) {
    TargetDatabase unconnected;
    TConverteFornece fornece(unconnected);
    ExpectBoundAsTheTextReads(fornece.BoundInsert(), fornece.MontaSql());
    FillEveryField(fornece);
    ExpectBoundAsTheTextReads(fornece.BoundInsert(), fornece.MontaSql());
    // The one setter that keeps an apostrophe, and an address kept with its blanks.
    fornece.SetAtivo(u"'"_qs);
    fornece.SetEndereco(u"  Rua Um  "_qs);
    ExpectBoundAsTheTextReads(fornece.BoundInsert(), fornece.MontaSql());
}

TEST(TConverteFornece, LimpaTabelaEmptiesForneceAndCommits) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO FORNECE (CODFORNEC) VALUES ('999999')")});
    TConverteFornece fornece(target.Database());
    fornece.SetCodFornec(u"1"_qs);
    fornece.GravaFornecedor();
    ASSERT_TRUE(target.Transaction().InTransaction());

    fornece.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(kAllColumns).empty()); // read on a connection of its own
}

TEST(TConverteFornece, GravaFornecedorStoresAwkwardTextAsTextAndResets) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO FORNECE (CODFORNEC, NOME) VALUES ('999999', "
                                   "'KEPT')")});
    TConverteFornece fornece(target.Database());
    FillEveryField(fornece);
    fornece.SetNome(u"Ângela & Müller: \"Cia\"; Ltda"_qs);
    fornece.SetContato(u"O'Brien' OR '1'='1"_qs);
    fornece.SetEndereco(u"x'); DELETE FROM FORNECE; --"_qs);
    fornece.SetBairro(u":NOME ? :pCODIGO"_qs);
    fornece.Setobservacao(u"linha 1\nlinha 2\r\nfim; \"duplas\" /* -- */"_qs);
    fornece.SetEmail(u"a'b@c.com.br"_qs);
    fornece.SetAtivo(u"'"_qs);
    fornece.GravaFornecedor();
    EXPECT_EQ(fornece.CodFornec(), u"000000"_qs); // reset after the write
    EXPECT_EQ(fornece.Nome(), u""_qs);
    target.Transaction().Commit();

    QStringList kept(28, QString());
    kept[0] = u"999999"_qs;
    kept[1] = u"KEPT"_qs;
    for (int i = 2; i < 28; ++i)
        kept[i] = u"<null>"_qs;
    const QStringList written{u"000012"_qs,
                              u"ANGELA & MULLER. \"CIA\". LTDA"_qs,
                              u"DAVILA"_qs,
                              u"OBrien OR 1=1"_qs,
                              u"x); DELETE FROM FORNECE; --"_qs,
                              u":NOME ? :pCODIGO"_qs,
                              u"30140071"_qs,
                              u"00001"_qs,
                              u"7"_qs,
                              u"sala 2"_qs,
                              u"MG"_qs,
                              u"1234567"_qs,
                              u"J"_qs,
                              u"12345678000190"_qs,
                              u"0621234560078"_qs,
                              u"linha 1\nlinha 2\r\nfim; \"duplas\" /* -- */"_qs,
                              u"3133334444"_qs,
                              u"3133334445"_qs,
                              u"31999998888"_qs,
                              u"ab@c.com.br"_qs,
                              u"www.davila.com.br"_qs,
                              u"L1"_qs,
                              u"L2"_qs,
                              u"00000345"_qs,
                              u"'"_qs,
                              u"Distribuidor"_qs,
                              u"1.1.01"_qs,
                              u"2.2.02"_qs};
    EXPECT_EQ(target.Rows(kAllColumns), (std::vector<QStringList>{written, kept}));
}

TEST(TConverteFornece, DuplicateCodeFailsWithTheServerMessageAndKeepsTheRecord) {
    ScratchTarget target;
    TConverteFornece fornece(target.Database());
    fornece.SetCodFornec(u"1234567"_qs);
    fornece.SetNome(u"primeiro"_qs);
    fornece.GravaFornecedor();

    fornece.SetCodFornec(u"1234568"_qs);
    fornece.SetNome(u"segundo"_qs);
    ExpectErrorContaining([&] { fornece.GravaFornecedor(); }, u"PK_FORNECE"_qs);
    EXPECT_EQ(fornece.CodFornec(), u"123456"_qs);
    EXPECT_EQ(fornece.Nome(), u"SEGUNDO"_qs);
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODFORNEC, NOME FROM FORNECE")),
              (std::vector<QStringList>{{u"123456"_qs, u"PRIMEIRO"_qs}}));
}

TEST(TConverteFornece, LongestValueOfEverySetterFitsItsColumn) {
    ScratchTarget target;
    TConverteFornece fornece(target.Database());
    const QString digits = u"9"_qs.repeated(40);
    const QString text = u"é"_qs.repeated(200);
    const LongestValue<Writer> fields[] = {
        {FIELD(SetCodFornec, CodFornec), digits, "CODFORNEC", 6},
        {FIELD(SetNome, Nome), text, "NOME", 50},
        {FIELD(SetNomeFantasia, NomeFantasia), text, "NOMEFANTASIA", 40},
        {FIELD(SetContato, Contato), text, "CONTATO", 30},
        {FIELD(SetEndereco, Endereco), text, "ENDERECO", 50},
        {FIELD(SetBairro, Bairro), text, "BAIRRO", 30},
        {FIELD(SetCep, Cep), text, "CEP", 9},
        {FIELD(SetCodCidade, CodCidade), digits, "CODCIDADE", 5},
        {FIELD(SetNumero, Numero), text, "NUMERO", 10},
        {FIELD(SetComplemento, Complemento), text, "COMPLEMENTO", 60},
        {FIELD(SetEstado, Estado), text, "ESTADO", 2},
        {FIELD(SetInscMunicipal, InscMunicipal), digits, "INSCMUNICIPAL", 15},
        {FIELD(SetPessoa_FJ, Pessoa_FJ), text, "PESSOA_FJ", 1},
        {FIELD(SetCgcCpf, CgcCpf), digits, "CGCCPF", 14},
        {FIELD(SetInscEst, InscEst), digits, "INSCEST", 15},
        {FIELD(Setobservacao, Observacao), text, "OBSERVACAO", 100},
        {FIELD(SetFone, Fone), digits, "FONE", 16},
        {FIELD(SetFax, Fax), digits, "FAX", 16},
        {FIELD(SetCelular, Celular), digits, "CELULAR", 16},
        {FIELD(SetEmail, Email), text.left(100), "EMAIL", 100},
        {FIELD(SetHomePage, HomePage), text, "HOMEPAGE", 30},
        {FIELD(SetCampoLivre1, CampoLivre1), text, "CAMPOLIVRE1", 20},
        {FIELD(SetCampoLivre2, CampoLivre2), text, "CAMPOLIVRE2", 20},
        {FIELD(SetCodcliente, CodCliente), digits, "CODCLIENTE", 8},
        {FIELD(SetAtivo, Ativo), text, "ATIVO", 1},
        {FIELD(SetTipoFornece, TipoFornece), text.left(20), "TIPOFORNECE", 20},
        {FIELD(SetContaCx, ContaCx), text, "CONTACX", 7},
        {FIELD(SetCTCTbred, CTCTbred), text, "CTCTBRED", 7},
    };
    ExpectLongestValuesFit(target, fornece, fields, u"FORNECE"_qs,
                           [&] { fornece.GravaFornecedor(); });

    // E-mail and supplier kind are never cut here: the column decides.
    const struct {
        const char* name;
        Setter set;
        QString in;
    } uncut[] = {{"SetEmail", &TConverteFornece::SetEmail, u"e"_qs.repeated(101)},
                 {"SetTipoFornece", &TConverteFornece::SetTipoFornece, u"t"_qs.repeated(21)}};
    for (const auto& u : uncut) {
        SCOPED_TRACE(u.name);
        fornece.SetCodFornec(u"2"_qs);
        (fornece.*u.set)(u.in);
        ExpectErrorContaining([&] { fornece.GravaFornecedor(); }, u"truncation"_qs);
        fornece.LimpaVariavel();
    }
}
