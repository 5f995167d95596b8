#pragma once

#include <QString>

namespace vorlanda {

// Valor padded on the left with "0" to Qtd characters; never trims, never cuts.
QString StrZero(const QString& Valor, int Qtd);

// The decimal digits of a masked document number; an exemption word ("ISENTO") is kept as the
// upper-cased text, and any other text containing "ISEN" gives an empty text.
QString TiraMascara(const QString& Valor);

// A legacy date text in the form the target expects: separators "/" and "-" become ".", a text
// with "." stays, an empty text (or the empty mask "  -   -") gives today's date in the short
// date format, a day number gives "DD/MM/YYYY" with the process's date separator, anything else
// an empty text. Data is rewritten to the result.
QString FValidaData(QString& Data);

// Valor without "(", ")", "-", ".", "/" and apostrophes.
QString FRemoveCaracter(const QString& Valor);

// Upper-cased text (UpperCase) with every accented Latin letter turned into its plain letter
// ("São José" gives "SAO JOSE"), and ":" and ";" turned into ".".
QString FRetiraAcento(const QString& Valor);

// The decimal digits of MNumero, in order.
QString FSoNumero(const QString& MNumero);

// A phone number without punctuation and leading zeros; eight digits get the area code "31".
QString FValidaTelefone(const QString& Tel);

// Decimal commas turned into points; an empty text gives "0.00".
QString FVirgulaPonto(const QString& Valor);

// Valor without any "-".
QString FRetiraTraco(const QString& Valor);

// "J" for a company document (more than 11 characters), otherwise "F".
QString FRetornaFJ(const QString& sCNPJ_CPF);

} // namespace vorlanda
