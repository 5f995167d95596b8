#include "run/RunTables.h"

namespace vorlanda {

const std::array<RunTable, 5>& RunTables() {
    static const std::array<RunTable, 5> tables{{
        {u"CLIENTES", u"Clientes", u"TBCLIENTES", u"CONTROLE", u"CLIENTE", u"CLIENTE"},
        {u"FORNECEDORES", u"Fornecedores", u"TBFORNECEDOR", u"CONTROLE", u"FORNECE", u"FORNECE"},
        {u"GRUPOSPRODUTOS", u"Grupos de Produtos", u"TBGRUPO", u"CONTROLE", u"GRUPROD", u"GRUPROD"},
        {u"CLASSIFICACAOFISCAL", u"Classificação Fiscal", u"TB_CODIGO_NCM", u"CONTROLE",
         u"CLASFISC", u"CLASFISC"},
        {u"PRODUTOS", u"Produtos", u"TBESTOQUE", u"CODIGO", u"PRODUTO",
         u"PRODUTO,COMPPROD,PRODUTODETALHE"},
    }};
    return tables;
}

} // namespace vorlanda
