// The player's turn: reading, commands, the checks of the player's move,
// castling and promotion; and whether the player has a safe move left.
#include "driver/quelmaro.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string_view>

#include "driver/notacao.hpp"

namespace quelmaro {
namespace {

// The player's castlings, as king moves on the board seen from the computer's
// side. `palavra` is the code that the castling word's first half gives.
struct Roque {
    int palavra;
    int de, para, torre_de, torre_para;
    Cor cor;
    bool torre_h;                       // with the rook of the h-file
    std::initializer_list<int> vazias;  // must be empty
    std::initializer_list<int> seguras; // no computer piece may reach them
};

// clang-format off
const Roque ROQUES[] = {
    {COD_ROQUE_PEQUENO_BRANCAS, 61, 63, 64, 62, BRANCAS, true,  {62, 63},     {61, 62, 63}},
    {COD_ROQUE_GRANDE_BRANCAS,  61, 59, 57, 60, BRANCAS, false, {58, 59, 60}, {61, 60, 59}},
    {COD_ROQUE_PEQUENO_PRETAS,  60, 58, 57, 59, PRETAS,  true,  {58, 59},     {60, 59, 58}},
    {COD_ROQUE_GRANDE_PRETAS,   60, 62, 64, 61, PRETAS,  false, {61, 62, 63}, {60, 61, 62}},
};
// clang-format on

const Roque* roque_de_palavra(int codigo) {
    for (const Roque& r : ROQUES)
        if (r.palavra == codigo) return &r;
    return nullptr;
}

const Roque* roque_de_lance(int de, int para) {
    for (const Roque& r : ROQUES)
        if (r.de == de && r.para == para) return &r;
    return nullptr;
}

// Promotion pieces: the console answer 1..4 and the engine build's letter.
struct Promocao {
    int resposta;
    char letra;
    int codigo;
};
constexpr Promocao PROMOCOES[] = {
    {1, 'q', -DAMA}, {2, 'n', -CAVALO}, {3, 'b', -BISPO}, {4, 'r', -TORRE}};

// The squares that a king or rook leaves for the first time, by colour.
struct CasaDeOrigem {
    std::string_view nome;
    Cor cor;
    int tipo;
    bool DireitosDeRoque::*flag;
};
// clang-format off
constexpr CasaDeOrigem CASAS_DE_ORIGEM[] = {
    {"e1", BRANCAS, REI, &DireitosDeRoque::rei_saiu},
    {"a1", BRANCAS, TORRE, &DireitosDeRoque::torre_a_saiu},
    {"h1", BRANCAS, TORRE, &DireitosDeRoque::torre_h_saiu},
    {"e8", PRETAS, REI, &DireitosDeRoque::rei_saiu},
    {"a8", PRETAS, TORRE, &DireitosDeRoque::torre_a_saiu},
    {"h8", PRETAS, TORRE, &DireitosDeRoque::torre_h_saiu},
};
// clang-format on

// Does a computer pawn attack square s (from the row below it)?
bool peao_da_maquina_ataca(const Tabuleiro& t, int s) {
    const int r = linha(s), c = coluna(s);
    if (r == 1) return false;
    for (int dc : {-1, 1})
        if (c + dc >= 1 && c + dc <= 8 && t[casa(r - 1, c + dc)] == PEAO) return true;
    return false;
}

} // namespace

void Quelmaro::le_lance() {
    // In the console build a word that no other form takes may be SAN.
    xadrez::LeituraSan san;
    const Tradutor::LeitorDeSan le_san = [&](std::string_view palavra) {
        san = le_palavra_san(palavra);
        return san.resultado != xadrez::LeituraSan::ilegivel;
    };
    do {
        promocao_san = 0;
        tradutor.le(tabuleiro, motor.lance_do_jogo, xboard_.Winboard ? nullptr : le_san);
        if (tradutor.saida_e("quit")) throw FimDoPrograma{};
    } while (tradutor.saida_e("san ") && !lance_san(san));
    converte();
}

void Quelmaro::converte() {
    const auto& s = tradutor.saidatrad;
    casa_de = lparanumero(s[0], s[1], resposta);
    casa_para = lparanumero(s[2], s[3], resposta);
}

void Quelmaro::pos_lance_dele() {
    for (;;) {
        le_lance();
        // Commands carried out in place; the code of a line is its second half.
        for (;;) {
            if (casa_para == COD_VIRAR) {
                tabuleironormal = !tabuleironormal;
                escreve_tabuleiro();
                if (!xboard_.Winboard) pede_lance();
                le_lance();
            }
            if (casa_para == COD_SALVAR) {
                save();
                pede_lance();
                le_lance();
            }
            if (casa_para == COD_ABRIR) {
                open();
                escreve_tabuleiro();
                pede_lance();
                le_lance();
            }
            if (casa_para != COD_VIRAR && casa_para != COD_SALVAR && casa_para != COD_ABRIR) break;
            escreve_tabuleiro();
        }
        if (outro_comando()) continue;

        if (casa_de == COD_JOGAR || casa_para == COD_JOGAR) {
            // The computer takes the side to move.
            forcado = false;
            if (vez_do_jogador()) {
                vira_tabuleiro();
                promove_peoes_dele();
            }
            return;
        }
        if (casa_de == COD_NOVO) {
            novo_jogo();
            if (jogador_tem_brancas()) continue;
            return;
        }

        // A move; in force mode it is played for the side to move.
        const Lembranca antes = lembra();
        const bool meu = forcado && !vez_do_jogador();
        if (!(meu ? aplica_lance_forcado() : aplica_lance_dele())) {
            if (xboard_.Winboard) {
                poe(Mensagem::LanceIlegal);
                saida().write(tradutor.saidatrad.data(), 4) << '\n';
            } else {
                diz(Mensagem::LanceRecusado);
            }
            continue;
        }
        registra(antes, nparaletra(casa_de, resposta) + nparaletra(casa_para, resposta));
        escreve_tabuleiro();
        if (!forcado) return;
    }
}

bool Quelmaro::outro_comando() {
    if (tradutor.saida_e("forc")) {
        forcado = true;
    } else if (tradutor.saida_e("undo") && xboard_.Winboard) {
        forcado = true;
        desfaz(1);
    } else if (tradutor.saida_e("undo")) {
        desfaz_rodada();
    } else if (tradutor.saida_e("help")) {
        diz(Mensagem::Ajuda);
        pede_lance();
    } else if (tradutor.saida_e("why ")) {
        porque(tradutor.argumento);
    } else if (tradutor.saida_e("hint")) {
        sugere();
    } else if (tradutor.saida_e("movs")) {
        mostra_lances();
    } else if (tradutor.saida_e("pgn ")) {
        grava_pgn();
        pede_lance();
    } else if (tradutor.saida_e("remo")) {
        desfaz(2);
    } else if (tradutor.saida_e("resu")) {
        motor.acabou = true;
    } else if (tradutor.saida_e("setb")) {
        setboard(tradutor.argumento);
    } else if (tradutor.saida_e("post") || tradutor.saida_e("nopo")) {
        mostra_pensamento = tradutor.saida_e("post");
    } else {
        return false;
    }
    return true;
}

void Quelmaro::novo_jogo() {
    Apresentacao();
    motor.lance_do_jogo = 0;
    motor.numero_de_meu_movimento = 0;
    roque = {};
    motor.acabou = false;
    forcado = false;
}

bool Quelmaro::aplica_lance_dele() {
    // A castling word names the king's move; it is castling or nothing.
    const Roque* palavra = roque_de_palavra(casa_de);
    if (palavra) {
        casa_de = palavra->de;
        casa_para = palavra->para;
    }
    if (!casa_valida(casa_de) || !casa_valida(casa_para)) return false;
    const Roque* r = roque_de_lance(casa_de, casa_para);
    if (r && roque_hpermitido(casa_de, casa_para)) {
        tabuleiro.poe(r->torre_para, -TORRE);
        tabuleiro.poe(r->torre_de, VAZIO);
        move(r->de, r->para);
        roque[r->cor].ja_rocou = true;
    } else if (palavra) {
        return false;
    } else if (casa_para == casa_en_passant && tabuleiro[casa_de] == -PEAO &&
               linha(casa_para) == linha(casa_de) - 1 &&
               std::abs(coluna(casa_para) - coluna(casa_de)) == 1 &&
               tabuleiro[casa_para + 8] == PEAO) {
        // Capture in passing of the pawn that has just passed over casa_para.
        tabuleiro.poe(casa_para + 8, VAZIO);
        if (expoemreidele(casa_de, casa_para)) {
            tabuleiro.poe(casa_para + 8, PEAO);
            return false;
        }
        move(casa_de, casa_para);
    } else {
        if (tabuleiro[casa_de] >= 0 || tabuleiro[casa_para] < 0 ||
            !tabuleiro.validade(casa_de, casa_para) || expoemreidele(casa_de, casa_para))
            return false;
        move(casa_de, casa_para);
    }
    ++lances_da_pessoa;
    promove_peoes_dele();
    return true;
}

// The board is turned so that the computer's colour is the player's, the move
// goes through the player's checks, and the board is turned back.
bool Quelmaro::aplica_lance_forcado() {
    const int pessoa = lances_da_pessoa;
    vira_tabuleiro();
    converte();
    const bool aceito = aplica_lance_dele();
    vira_tabuleiro();
    lances_da_pessoa = pessoa;
    if (!aceito) return false;
    // The move's squares on the board turned back.
    casa_de = 65 - casa_de;
    casa_para = 65 - casa_para;
    ++motor.lance_do_jogo;
    motor.numero_de_meu_movimento = std::min(motor.numero_de_meu_movimento + 1, 2);
    anota_ultimo_lance(nparaletra(casa_de, resposta) + nparaletra(casa_para, resposta));
    return true;
}

void Quelmaro::promove_peoes_dele() {
    for (int k = 1; k <= 8; ++k) {
        if (tabuleiro[k] != -PEAO) continue;
        if (promocao_san) {
            // The piece named by the move typed in SAN.
            for (const Promocao& p : PROMOCOES)
                if (p.letra == std::tolower(promocao_san)) tabuleiro.poe(k, p.codigo);
            promocao_san = 0;
            continue;
        }
        if (xboard_.Winboard) {
            // The letter typed with the move, else a queen.
            int codigo = -DAMA;
            for (const Promocao& p : PROMOCOES)
                if (p.letra == tradutor.promocao_caracter) codigo = p.codigo;
            tabuleiro.poe(k, codigo);
            tradutor.promocao_caracter = ' ';
            continue;
        }
        // The numbered dialog, until the answer is 1 to 4.
        for (const Promocao* escolha = nullptr; !escolha;) {
            if (!motor.ingles) diz(Mensagem::PromocaoPergunta);
            diz(Mensagem::PromocaoOpcoes);
            const std::optional<int> n = console_.numero();
            for (const Promocao& p : PROMOCOES)
                if (n == p.resposta) escolha = &p;
            if (escolha) tabuleiro.poe(k, escolha->codigo);
        }
    }
}

void Quelmaro::move(int de, int para) {
    const int peca = tabuleiro[de];
    // A king or rook that leaves its home square loses its castling; so does
    // a rook taken on its corner, since a rook that comes there later is
    // another one.
    auto sai_de_casa = [&](int codigo, int casa) {
        const Cor cor = (codigo < 0) == jogador_tem_brancas() ? BRANCAS : PRETAS;
        const std::string nome = nparaletra(casa, resposta);
        for (const CasaDeOrigem& c : CASAS_DE_ORIGEM)
            if (c.cor == cor && c.nome == nome && c.tipo == tipo(codigo))
                roque[cor].*(c.flag) = true;
    };
    sai_de_casa(peca, de);
    if (tabuleiro[para] != VAZIO) sai_de_casa(tabuleiro[para], para);
    casa_en_passant = tipo(peca) == PEAO && std::abs(para - de) == 16 ? (de + para) / 2 : 0;
    tabuleiro.poe(para, peca);
    tabuleiro.poe(de, VAZIO);
    // The other colour than the one that moved is to move, also after a move
    // the GUI sends for the side that has just moved (a game already over).
    vez_das_brancas = (peca < 0) != jogador_tem_brancas();
}

void Quelmaro::anota_ultimo_lance(const std::string& lance) {
    for (int i = 0; i < 4; ++i) ultimo_lance[i] = lance[i] == 'e' ? '&' : lance[i];
}

void Quelmaro::registra(Lembranca antes, const std::string& lance) {
    antes.lance = {lance.substr(0, 2), lance.substr(2, 2)};
    // A pawn that arrives as another piece has been promoted.
    const int chegou = tabuleiro[lparanumero(lance[2], lance[3], resposta)];
    if (tipo(antes.tabuleiro[lparanumero(lance[0], lance[1], resposta)]) == PEAO)
        for (const Promocao& p : PROMOCOES)
            if (-p.codigo == tipo(chegou)) antes.lance.promocao = p.letra;
    historico.push_back(std::move(antes));
}

Lembranca Quelmaro::lembra() const {
    return {tabuleiro,
            motor.lance_do_jogo,
            lances_da_pessoa,
            motor.numero_de_meu_movimento,
            motor.contagem_empate,
            roque,
            ultimo_lance,
            resposta,
            vez_das_brancas,
            casa_en_passant};
}

void Quelmaro::desfaz(int meios_lances) {
    const bool brancas = jogador_tem_brancas();
    for (; meios_lances > 0 && !historico.empty(); --meios_lances) {
        const Lembranca& l = historico.back();
        tabuleiro = l.tabuleiro;
        motor.lance_do_jogo = l.lance_do_jogo;
        lances_da_pessoa = l.lances_da_pessoa;
        motor.numero_de_meu_movimento = l.numero_de_meu_movimento;
        motor.contagem_empate = l.contagem_empate;
        roque = l.roque;
        ultimo_lance = l.ultimo_lance;
        resposta = l.resposta;
        vez_das_brancas = l.vez_das_brancas;
        casa_en_passant = l.casa_en_passant;
        historico.pop_back();
        motor.acabou = false; // a game taken back is no longer over
    }
    // A GUI keeps the sides as they are when it takes moves back: across a
    // side swap the position comes back turned to them. (The console's undo
    // goes back to the player's own earlier move, sides included.)
    if (xboard_.Winboard && jogador_tem_brancas() != brancas) vira_tabuleiro();
}

bool Quelmaro::roque_hpermitido(int de, int para) const {
    const Roque* r = roque_de_lance(de, para);
    if (!r || r->cor != cor_do_jogador()) return false;
    const DireitosDeRoque& d = roque[r->cor];
    if (d.ja_rocou || d.rei_saiu || (r->torre_h ? d.torre_h_saiu : d.torre_a_saiu)) return false;
    if (tabuleiro[r->de] != -REI || tabuleiro[r->torre_de] != -TORRE) return false;
    for (int s : r->vazias)
        if (tabuleiro[s] != VAZIO) return false;
    for (int s : r->seguras)
        if (tabuleiro.alcancada(tabuleiro.pecas_da_maquina(), s) ||
            peao_da_maquina_ataca(tabuleiro, s))
            return false;
    return true;
}

bool Quelmaro::expoemreidele(int de, int para) {
    const LanceDeTeste lance(tabuleiro, de, para);
    return rei_dele_atacado();
}

bool Quelmaro::rei_dele_atacado() const {
    bool atacado = false;
    para_cada_casa(tabuleiro.com_codigo(-REI), [&](int k) {
        atacado = atacado || tabuleiro.alcancada(tabuleiro.pecas_da_maquina(), k);
    });
    return atacado;
}

void Quelmaro::matenele() {
    bool nenhum = true;
    para_cada_casa(tabuleiro.pecas_do_jogador(), [&](int i) {
        para_cada_casa(tabuleiro.destinos(i), [&](int j) {
            if (nenhum && !expoemreidele(i, j)) nenhum = false;
        });
    });
    if (nenhum) sem_lance_dele = true;
}

} // namespace quelmaro
