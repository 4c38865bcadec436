#include "console/dialogo.hpp"

#include <iomanip>
#include <ostream>

#include "game/notacao.hpp"
#include "game/pgn.hpp"
#include "io/hoje.hpp"

namespace quelmaro {
namespace {

constexpr std::string_view MOLDURA = "  ---------------------------------";
constexpr std::string_view ROTULOS_BRANCAS = "87654321"; // rank of row 1..8, player White
constexpr std::string_view ROTULOS_PRETAS = "12345678";  // rank of row 1..8, computer White
constexpr std::string_view COLUNAS_A_H = "    a   b   c   d   e   f   g   h";
constexpr std::string_view COLUNAS_H_A = "    h   g   f   e   d   c   b   a";

// The letter of a piece kind on the drawing, English and Portuguese.
char letra(int codigo, bool ingles) {
    const xadrez::Letras& l = ingles ? xadrez::INGLES : xadrez::PORTUGUES;
    switch (tipo(codigo)) {
    case PEAO: return 'P';
    case BISPO: return l.bispo;
    case CAVALO: return l.cavalo;
    case TORRE: return l.torre;
    case DAMA: return l.dama;
    case REI: return l.rei;
    default: return ' ';
    }
}

// The answers of the numbered promotion dialog.
constexpr char PROMOCAO_POR_NUMERO[] = {'q', 'n', 'b', 'r'}; // 1- Queen, 2- Knight, ...

bool sim(char c) { return c == 's' || c == 'S'; }

} // namespace

int Dialogo::executa() {
    console_.quebra_linhas();
    try {
        executa_jogo(jogo_, *this);
    } catch (const FimDoPrograma&) {
        // The end of the input.
    }
    // "quit", the end of the input, the end of the game: a game still
    // unrecorded is kept now.
    registra_partida();
    saida().flush();
    return 0;
}

namespace {
// clang-format off
constexpr struct { FalhaAoAcrescentar falha; Mensagem mensagem; } FALHAS_DO_REGISTRO[] = {
    {FalhaAoAcrescentar::sem_nome,      Mensagem::RegistroSemNome},
    {FalhaAoAcrescentar::sem_pasta,     Mensagem::RegistroSemPasta},
    {FalhaAoAcrescentar::pasta,         Mensagem::RegistroPasta},
    {FalhaAoAcrescentar::sem_permissao, Mensagem::RegistroSemPermissao},
    {FalhaAoAcrescentar::sem_espaco,    Mensagem::RegistroSemEspaco},
};
// clang-format on
} // namespace

void Dialogo::registra_partida(const std::string& pgn) {
    if (opcoes_.registro.empty() || !por_registrar_) return;
    por_registrar_ = false;
    const FalhaAoAcrescentar falha =
        arquivos_.acrescenta(opcoes_.registro, pgn.empty() ? pgn_do_jogo(jogo_, hoje()) : pgn);
    if (falha == FalhaAoAcrescentar::nenhuma) return;
    Mensagem motivo = Mensagem::RegistroErro;
    for (const auto& f : FALHAS_DO_REGISTRO)
        if (f.falha == falha) motivo = f.mensagem;
    saida() << preenche(texto(Mensagem::NaoRegistrou, exibicao_.ingles),
                        {opcoes_.registro, texto(motivo, exibicao_.ingles)})
            << '\n';
}

void Dialogo::diz(Mensagem m) { saida() << texto(m, exibicao_.ingles) << '\n'; }
void Dialogo::poe(Mensagem m) { saida() << texto(m, exibicao_.ingles); }

void Dialogo::apresenta() {
    saida() << '\n';
    diz(Mensagem::BoasVindas);
    diz(Mensagem::EscolhaDeLingua);
    const char usaingles = console_.resposta();
    exibicao_.ingles = usaingles == 'E' || usaingles == 'e';
    saida() << '\n';
    diz(Mensagem::PerguntaTabuleiro);
    exibicao_.usa_tabuleiro = console_.resposta();
    saida() << '\n';
    if (exibicao_.usa_tabuleiro == 'y' || exibicao_.usa_tabuleiro == 'Y')
        exibicao_.usa_tabuleiro = 's';
    diz(Mensagem::PerguntaComecar);
    const char resposta = console_.resposta();
    // Yes gives the player White, any other answer the computer.
    jogo_.novo(sim(resposta) || resposta == 'y' || resposta == 'Y');

    if (jogo_.estado().jogador_tem_brancas()) {
        if (sim(exibicao_.usa_tabuleiro)) {
            saida() << '\n';
            desenha(true);
        }
        saida() << '\n';
        diz(Mensagem::PrimeiroPedido);
    }
}

void Dialogo::novo_jogo() {
    registra_partida();
    apresenta();
    por_registrar_ = false;
}

bool Dialogo::meu_lance(const LanceDaMaquina& l) {
    por_registrar_ = true;
    saida() << '\n';
    poe(Mensagem::MeuMovimento);
    saida() << l.lance;
    if (exibicao_.san) saida() << " (" << san_do_meu_lance() << ')';
    saida() << '\n';
    escreve_tabuleiro();
    if (l.sem_lance_dele) {
        diz(l.mate ? Mensagem::FimEuGanhei : Mensagem::Afogado);
        registra_partida();
        return false;
    }
    fim_por_material();
    pede_lance();
    return true;
}

std::string Dialogo::san_do_meu_lance() const {
    const Lembranca& l = jogo_.historico().back();
    const xadrez::Posicao x = l.antes.posicao();
    if (!xadrez::legal(x, l.lance)) return xadrez::escreve_coordenadas(l.lance);
    return xadrez::escreve_san(x, l.lance, exibicao_.ingles ? xadrez::INGLES : xadrez::PORTUGUES);
}

void Dialogo::anuncia_fim() {
    switch (jogo_.termino()) {
    case Termino::mate:
        diz(jogo_.estado().posicao().brancas_a_mover ? Mensagem::MateDasPretas
                                                     : Mensagem::MateDasBrancas);
        break;
    case Termino::afogamento: diz(Mensagem::Afogado); break;
    case Termino::material_insuficiente: diz(Mensagem::EmpatePorMaterial); break;
    case Termino::repeticao_tripla: diz(Mensagem::EmpatePorRepeticao); break;
    case Termino::cinquenta_lances: diz(Mensagem::EmpatePorCinquentaLances); break;
    case Termino::brancas_venceram: diz(Mensagem::FimBrancasVenceram); break;
    case Termino::pretas_venceram: diz(Mensagem::FimPretasVenceram); break;
    case Termino::empate_dado: diz(Mensagem::FimEmpateDado); break;
    case Termino::empate_acordado: diz(Mensagem::EmpateAceito); break;
    case Termino::interrompido:
    case Termino::nenhum: break;
    }
    registra_partida();
}

bool Dialogo::fim_por_material() {
    if (jogo_.acabou() || jogo_.fim_pelas_regras() != Termino::material_insuficiente) return false;
    jogo_.encerra(Termino::material_insuficiente);
    anuncia_fim();
    return true;
}

bool Dialogo::fim_do_passe(Termino termino) {
    diz(termino == Termino::mate ? Mensagem::VoceGanhou : Mensagem::NaoPossoMexer);
    registra_partida();
    // Under the menu's wrapper, which waits for a key of its own, one key is enough.
    if (!opcoes_.sem_tecla_no_fim) {
        diz(Mensagem::PressioneTecla);
        console_.tecla();
    }
    return false;
}

char Dialogo::promocao() {
    if (promocao_san_) {
        const char c = static_cast<char>(promocao_san_ - 'A' + 'a');
        promocao_san_ = 0;
        return c;
    }
    // The numbered dialog, until the answer is 1 to 4.
    for (;;) {
        if (!exibicao_.ingles) diz(Mensagem::PromocaoPergunta);
        diz(Mensagem::PromocaoOpcoes);
        const std::optional<int> n = console_.numero();
        if (n && *n >= 1 && *n <= 4) return PROMOCAO_POR_NUMERO[*n - 1];
    }
}

void Dialogo::escreve_tabuleiro() {
    if (sim(exibicao_.usa_tabuleiro)) desenha(false);
}

void Dialogo::desenha(bool inicial) {
    std::ostream& o = saida();
    const Estado& e = jogo_.estado();
    const bool normal = exibicao_.maquina_no_alto;
    poe(normal ? Mensagem::TituloNormal
               : (inicial ? Mensagem::TituloInicialVirado : Mensagem::TituloVirado));
    if (!inicial) o << std::setw(11) << e.lances_da_pessoa() << std::setw(11) << e.lance_do_jogo();
    o << '\n' << MOLDURA << '\n';
    const std::string_view rotulos = e.jogador_tem_brancas() ? ROTULOS_BRANCAS : ROTULOS_PRETAS;
    // The drawing stands from the computer's side, as the engine's board does.
    const Tabuleiro t = e.tabuleiro();
    for (int i = 1; i <= 8; ++i) {
        const int r = normal ? i : 9 - i;
        o << rotulos[r - 1] << " |";
        for (int j = 1; j <= 8; ++j) {
            const int codigo = t[casa(r, normal ? j : 9 - j)];
            o << (codigo > 0 ? '*' : ' ') << letra(codigo, exibicao_.ingles) << " |";
        }
        o << '\n' << MOLDURA << '\n';
    }
    o << (normal == e.jogador_tem_brancas() ? COLUNAS_A_H : COLUNAS_H_A) << '\n';
    if (inicial) o << '\n';
    diz(normal ? Mensagem::RodapeNormal
               : (inicial ? Mensagem::RodapeInicialVirado : Mensagem::RodapeVirado));
    if (!inicial) o << '\n';
}

} // namespace quelmaro
