#include "masterdata/conta_plano_com.h"

#include "masterdata/messages.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

CConexaoPlano& plano_contabil::conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil(); }
const textos_plano plano_contabil::textos = {msg::tamanho_plano_contabil, msg::indices_plano_contabil};

CConexaoPlano& plano_gerencial::conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoGerencial(); }
const textos_plano plano_gerencial::textos = {msg::tamanho_plano_gerencial, msg::indices_plano_gerencial};

}  // namespace masterdata
