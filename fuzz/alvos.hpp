// What each fuzzing target does with one input. The fuzzing programs call
// these, and so does the regression test of the normal suite, which replays
// every input that once found a fault. Each returns an empty string when the
// program behaved, else what went wrong (crashes and undefined behaviour are
// the sanitizers' to report).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "chess/lances.hpp"
#include "chess/pgn_escrita.hpp"
#include "chess/pgn_leitura.hpp"
#include "chess/posicao.hpp"
#include "chess/san.hpp"
#include "console/dialogo.hpp"
#include "engine/motor_de_regras.hpp"
#include "frontend/anotacao.hpp"
#include "frontend/tradutor.hpp"
#include "game/analise.hpp"
#include "game/jogo_salvo.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"
#include "text/explicacao.hpp"
#include "uci/sessao_uci.hpp"
#include "xboard/sessao_xboard.hpp"

namespace quelmaro::alvos {

// The saved-game reader on any bytes: what it accepts is a sound game, and
// writing it gives the 738-byte line that reads back the same.
inline std::string jogo_salvo(std::string_view dados) {
    std::istringstream entrada{std::string(dados)};
    const auto jogo = le_jogo_salvo(entrada);
    if (!jogo) return {};
    std::ostringstream escrito;
    escreve_jogo_salvo(escrito, *jogo);
    if (escrito.str().size() != 738) return "written file is not 738 bytes: " + escrito.str();
    std::istringstream de_novo(escrito.str());
    const auto relido = le_jogo_salvo(de_novo);
    if (!relido) return "the written file does not load again: " + escrito.str();
    std::ostringstream reescrito;
    escreve_jogo_salvo(reescrito, *relido);
    if (reescrito.str() != escrito.str())
        return "saving after loading changed the file:\n" + escrito.str() + reescrito.str();
    return {};
}

// The parser on any lines, cut as the programs cut them: every move it hands
// on is letter, digit, letter, digit; every output word one of the game's
// eight; a front end's word is one of the table's, and a promotion letter
// comes only with a plain move.
inline std::string tradutor(std::string_view dados) {
    static constexpr std::string_view PALAVRAS[] = {"draw", "undo", "hint ", "setboard "};
    std::istringstream entrada{std::string(dados)};
    for (std::string linha; std::getline(entrada, linha);) {
        for (std::size_t i = 0; i == 0 || i < linha.size(); i += TAMANHO_DA_LINHA) {
            const std::string pedaco = linha.substr(i, TAMANHO_DA_LINHA);
            const Traducao t = traduz(pedaco, std::span<const std::string_view>(PALAVRAS));
            const auto& s = t.lance;
            const std::string_view palavra(s.data(), s.size());
            const bool lance = s[0] >= 'a' && s[0] <= 'h' && s[1] >= '1' && s[1] <= '8' &&
                               s[2] >= 'a' && s[2] <= 'h' && s[3] >= '1' && s[3] <= '8';
            switch (t.tipo) {
            case Traducao::Tipo::lance:
                if (!lance) return "the parser handed on \"" + std::string(palavra) + "\"";
                break;
            case Traducao::Tipo::palavra:
                if (t.palavra == Palavra::nenhuma || t.palavra > Palavra::nova)
                    return "the parser handed on a word of no name for " + pedaco;
                break;
            case Traducao::Tipo::comando:
                if (t.comando < 0 || t.comando >= static_cast<int>(std::size(PALAVRAS)) ||
                    !pedaco.starts_with(PALAVRAS[t.comando].substr(0, pedaco.size())))
                    return "a command that is no word of the table for \"" + pedaco + "\"";
                break;
            case Traducao::Tipo::nada: break;
            }
            const char c = t.promocao_caracter;
            if (c != '\0' && (!lance || std::string_view("qnbr").find(c) == std::string_view::npos))
                return "promotion letter " + std::to_string(int(c)) + " for " + pedaco;
        }
    }
    return {};
}

// A whole session of either build fed the bytes as its standard input, with
// a saved game "jogo", a truncated one "ruim", a PGN game "partida.pgn" and
// a FEN "posicao.fen" in a file stand-in (no disk is touched): it ends with
// status 0, and the same input gives the same output a second time.
inline std::string sessao(std::string_view dados, bool winboard) {
    std::string primeira;
    for (int vez = 0; vez < 2; ++vez) {
        std::istringstream entrada{std::string(dados)};
        std::ostringstream saida;
        ConsoleDeFluxo console(entrada, saida);
        ArquivosNaMemoria arquivos;
        JogoSalvo jogo;
        jogo.tabuleiro.posicao_inicial(true);
        jogo.ingles = true;
        std::ostringstream salvo;
        escreve_jogo_salvo(salvo, jogo);
        arquivos.arquivos["jogo"] = salvo.str();
        arquivos.arquivos["ruim"] = salvo.str().substr(0, 400);
        arquivos.arquivos["partida.pgn"] =
            "[Event \"x\"]\n\n1. e4 {c} e5 (1... c5 2. Nf3) 2. Nf3 Nc6 3. Bb5 a6 $1 *\n";
        arquivos.arquivos["posicao.fen"] = "r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 30\n";
        const int status = winboard ? SessaoXboard(console, arquivos).executa()
                                    : Dialogo(console, arquivos).executa();
        if (status != 0) return "exit status " + std::to_string(status);
        if (vez == 0)
            primeira = saida.str();
        else if (saida.str() != primeira)
            return "the same input gave another output";
    }
    return {};
}

// The PGN reader on any bytes: a game it accepts holds only legal moves, and
// written out as PGN it reads back as the same game; loading it as a file
// refuses only a game that has ended.
inline std::string pgn(std::string_view dados) {
    const xadrez::LeituraPgn lida = xadrez::le_pgn(dados);
    const std::optional<xadrez::Partida> arquivo = xadrez::le_partida(dados);
    if (!lida.ok()) return {};
    const xadrez::Partida& p = lida.partida;
    xadrez::JogoParaEscrever escrita;
    escrita.inicio = p.inicio;
    xadrez::Posicao x = p.inicio;
    for (const xadrez::Movimento& m : p.lances) {
        if (!xadrez::legal(x, m)) return "an illegal move read";
        xadrez::joga(x, m);
        escrita.lances.push_back(m);
    }
    const std::string texto = xadrez::escreve_pgn(escrita);
    const xadrez::LeituraPgn relida = xadrez::le_pgn(texto);
    if (!relida.ok() || relida.partida.lances != p.lances ||
        xadrez::posicao_final(relida.partida) != x)
        return "the game written does not read back the same:\n" + texto;
    const bool terminou = xadrez::fim(x) != xadrez::Fim::nenhum;
    if (!xadrez::le_fen(dados.substr(0, dados.find('\n'))).ok() && arquivo.has_value() == terminou)
        return terminou ? "a game that has ended loaded" : "a game that can go on refused";
    return {};
}

// The multi-game PGN reader on any bytes: the games come in order, each
// within the text and after the one before; a refused move has its number
// and text; a game read has legal moves, reads the same from its own text
// alone, and written again (with the text's first bytes as a comment after
// every move, and the moves as a variation of the first) reads back to the
// same start, moves and tag values; so it does with the annotations it had
// kept as they were, which read back the same.
inline std::string pgn_jogos(std::string_view dados) {
    (void)xadrez::e_texto(dados); // the test of a text file, for the sanitizers
    const std::vector<xadrez::JogoLido> jogos = xadrez::le_jogos(dados, {.guarda_anotacoes = true});
    std::size_t depois = 0;
    for (const xadrez::JogoLido& j : jogos) {
        if (j.inicio < depois || j.fim <= j.inicio || j.fim > dados.size())
            return "game at " + std::to_string(j.inicio) + ".." + std::to_string(j.fim) +
                   " out of order";
        depois = j.fim;
        if (j.leitura.erro == xadrez::ErroPgn::lance &&
            (j.lance.numero < 1 || j.lance.texto.empty()))
            return "a refused move without its number or text";
        if (!j.ok()) continue;
        const xadrez::Partida& p = j.leitura.partida;
        xadrez::Posicao x = p.inicio;
        for (const xadrez::Movimento& m : p.lances) {
            if (!xadrez::legal(x, m)) return "an illegal move read";
            xadrez::joga(x, m);
        }
        const auto so = xadrez::le_jogos(dados.substr(j.inicio, j.fim - j.inicio));
        if (so.size() != 1 || !so[0].ok() || so[0].leitura.partida != p)
            return "the game's own text reads otherwise";
        xadrez::JogoParaEscrever e;
        e.tags = j.leitura.tags;
        e.inicio = p.inicio;
        e.lances = p.lances;
        const std::string comentario(dados.substr(0, 40));
        // Our comment with the file's own annotations, merged into them.
        e.anotacoes.assign(p.lances.size(), {comentario, {}, ""});
        for (std::size_t k = 0; k < p.lances.size() && k + 1 < j.anotacoes.size(); ++k)
            e.anotacoes[k].original = j.anotacoes[k + 1];
        if (!p.lances.empty()) e.anotacoes[0].variacoes.push_back({p.lances, comentario});
        const std::string texto = xadrez::escreve_pgn(e);
        const auto relido = xadrez::le_jogos(texto);
        if (relido.size() != 1 || !relido[0].ok() || relido[0].leitura.partida != p)
            return "the game written does not read back the same:\n" + texto;
        for (const auto& escrita : relido[0].leitura.tags) {
            const std::string &nome = escrita.first, &valor = escrita.second;
            const auto dado = std::find_if(j.leitura.tags.begin(), j.leitura.tags.end(),
                                           [&](const auto& t) { return t.first == nome; });
            if (dado == j.leitura.tags.end() || nome == "Result" || nome == "SetUp" ||
                nome == "FEN" || std::any_of(dado->second.begin(), dado->second.end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
                }))
                continue; // written by the writer, or with its control characters as blanks
            if (valor != dado->second) return "tag " + nome + " written as \"" + valor + "\"";
        }
        xadrez::JogoParaEscrever original = e;
        original.original_inicial = j.anotacoes.at(0);
        for (std::size_t k = 0; k < p.lances.size(); ++k)
            original.anotacoes[k] = {"", {}, j.anotacoes.at(k + 1)};
        const std::string com_originais = xadrez::escreve_pgn(original);
        const auto de_novo = xadrez::le_jogos(com_originais, {.guarda_anotacoes = true});
        if (de_novo.size() != 1 || !de_novo[0].ok() || de_novo[0].leitura.partida != p ||
            de_novo[0].anotacoes != j.anotacoes)
            return "the game written with its annotations does not read back the same:\n" +
                   com_originais;
        // Annotated by the program, with the file's own annotations: the same
        // game again, with the program's word after every move.
        MotorDeRegras motor;
        const std::string anotado = xadrez::escreve_pgn(anota(motor, j, LadoAnotado::ambos, true));
        const auto lido_anotado = xadrez::le_jogos(anotado);
        if (lido_anotado.size() != 1 || !lido_anotado[0].ok() ||
            lido_anotado[0].leitura.partida != p)
            return "the annotated game does not read back the same:\n" + anotado;
        std::size_t palavras = 0;
        for (std::size_t i = anotado.find("Quelmaro:"); i != std::string::npos;
             i = anotado.find("Quelmaro:", i + 1))
            ++palavras;
        if (palavras < p.lances.size()) return "a move without the program's word:\n" + anotado;
    }
    return {};
}

inline std::string sessao_console(std::string_view dados) { return sessao(dados, false); }
inline std::string sessao_xboard(std::string_view dados) { return sessao(dados, true); }

// A UCI session on any lines: nothing but the protocol's own lines is
// printed, every "bestmove" is 0000 or a legal move of the position the
// session held just before or just after the line that printed it, and the
// same input gives the same output a second time.
inline std::string sessao_uci(std::string_view dados) {
    std::string primeira;
    for (int vez = 0; vez < 2; ++vez) {
        std::istringstream entrada{std::string(dados)};
        std::ostringstream saida;
        ConsoleDeFluxo console(entrada, saida);
        uci::SessaoUci sessao(console);
        for (std::string linha; std::getline(entrada, linha);) {
            const std::size_t antes = saida.str().size();
            // A bestmove answers the position of its go: the session's before
            // the line that printed it when that line released a bestmove held
            // since "go infinite" (a new position changes it only after), or
            // after it when a go with no game yet began one from the start.
            const xadrez::Posicao da_vez = sessao.posicao();
            if (!sessao.comando(linha)) break;
            std::istringstream impresso(saida.str().substr(antes));
            for (std::string l; std::getline(impresso, l);) {
                if (l.starts_with("bestmove ")) {
                    const auto m = xadrez::le_coordenadas(l.substr(9));
                    if (l != "bestmove 0000" && (!m || (!xadrez::legal(da_vez, *m) &&
                                                        !xadrez::legal(sessao.posicao(), *m))))
                        return "\"" + l + "\" is no legal move in " + xadrez::escreve_fen(da_vez) +
                               " nor in " + xadrez::escreve_fen(sessao.posicao());
                    continue;
                }
                const bool protocolo =
                    l.starts_with("id name Quelmaro ") || l.starts_with("id author ") ||
                    l.starts_with("option name MultiPV ") || l == "uciok" || l == "readyok" ||
                    l.starts_with("info depth 1 score ") || l.starts_with("info multipv ") ||
                    l.starts_with("info string ");
                if (!protocolo) return "the session printed \"" + l + "\"";
            }
        }
        if (vez == 0)
            primeira = saida.str();
        else if (saida.str() != primeira)
            return "the same input gave another output";
    }
    return {};
}

namespace detalhe {

// Is the king of the side of `rei` (REI or -REI) attacked by the other side?
inline bool rei_atacado(const Tabuleiro& t, int rei) {
    const Casas casas = t.com_codigo(rei);
    if (!casas) return false;
    const Casas inimigos = rei > 0 ? t.pecas_do_jogador() : t.pecas_da_maquina();
    return t.alcancada(inimigos, menor_casa(casas));
}

// Does the computer have a move that leaves its king safe?
inline bool maquina_tem_lance_seguro(Tabuleiro& t) {
    bool tem = false;
    para_cada_casa(t.pecas_da_maquina(), [&](int de) {
        para_cada_casa(t.destinos(de), [&](int para) {
            LanceDeTeste lance(t, de, para);
            tem = tem || !rei_atacado(t, REI);
        });
    });
    return tem;
}

} // namespace detalhe

// What a pass saw, against what it chose: the cascade over the kept
// candidates and context chooses the same again; the choice meets its own
// rule, every other candidate a rule numbered at least as high or none, and
// of those meeting the chosen rule the choice comes last in scan order.
inline std::string analise_confere(const Analise& a) {
    if (a.regra == 0) return {}; // an opening move: the rules did not run
    const Decisao d = cascata(a.candidatos, a.contexto);
    const bool fim = a.regra == REGRA_FIM_DE_JOGO;
    // Not one move by the pieces' own rules: no rule accepts anything, and
    // the pass ends the game.
    if (a.candidatos.empty())
        return fim && d.regra == 0 && a.escolhido < 0 ? "" : "no candidate, yet a move or rule";
    if (d.regra != a.regra || (!fim && d.candidato != a.escolhido))
        return "the kept analysis chooses another move";
    for (int i = 0; i < static_cast<int>(a.candidatos.size()); ++i) {
        const int r = regra_cumprida(a.candidatos[i], a.contexto);
        if (i == a.escolhido && r != a.regra) return "the choice does not meet its own rule";
        if (r != 0 && (fim || r < a.regra)) return "a candidate meets an earlier rule";
        if (r == a.regra && i > a.escolhido) return "a later candidate meets the chosen rule";
    }
    return {};
}

// One engine pass on any position the bytes describe (a piece code per
// square, one king for each side, the player's king safe since the player
// has just moved), with the counters from the bytes that follow. The pass
// leaves the board as it was; what it kept agrees with its choice (above); a
// move it plays is a candidate that keeps its king safe; it ends the game exactly when it has no
// such move, as mate when its king is attacked and as stalemate otherwise.
inline std::string passe(std::string_view dados) {
    static constexpr int CODIGOS[] = {0,      0,     0,      0,      0,       PEAO,
                                      -PEAO,  BISPO, -BISPO, CAVALO, -CAVALO, TORRE,
                                      -TORRE, DAMA,  -DAMA,  REI,    -REI};
    if (dados.size() < 64 + 2) return {};
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(dados[i]); };
    Tabuleiro t;
    t.limpa();
    for (int n = 1; n <= 64; ++n) {
        const int codigo = CODIGOS[byte(n - 1) % std::size(CODIGOS)];
        if (tipo(codigo) == REI && t.com_codigo(codigo)) continue; // one king each
        t.poe(n, codigo);
    }
    for (int rei : {REI, -REI}) {
        if (t.com_codigo(rei)) continue;
        const int n = 1 + byte(rei > 0 ? 64 : 65) % 64;
        if (tipo(t[n]) == REI) return {};
        t.poe(n, rei);
    }
    if (detalhe::rei_atacado(t, -REI)) return {};

    MotorDeRegras motor;
    const auto extra = [&](std::size_t i, int n) { return i < dados.size() ? byte(i) % n : 0; };
    const Resultado r =
        motor.passe({t, extra(67, 40), extra(66, 3), extra(68, 6), 1 + extra(69, 2)});
    const Desfecho desfecho = r.desfecho;
    if (std::string erro = analise_confere(analise_do_passe(motor, r, t, false)); !erro.empty())
        return erro;
    const bool atacado = detalhe::rei_atacado(t, REI);
    const bool tem_lance = detalhe::maquina_tem_lance_seguro(t);
    switch (desfecho) {
    case Desfecho::Lance: {
        const int de = r.de, para = r.para;
        if (!casa_valida(de) || !casa_valida(para)) return "a move off the board";
        if (t[de] <= 0 || t[para] > 0 || !t.validade(de, para))
            return "a move that is no candidate";
        LanceDeTeste lance(t, de, para);
        if (detalhe::rei_atacado(t, REI)) return "a move that lets the player take the king";
        return {};
    }
    case Desfecho::Xequemate:
        if (tem_lance) return "mate announced with a safe move left";
        if (!atacado) return "mate announced with the king not attacked";
        return {};
    case Desfecho::Afogamento:
        if (tem_lance) return "stalemate announced with a safe move left";
        if (atacado) return "stalemate announced with the king attacked";
        return {};
    }
    return "unknown outcome";
}

// The FEN reader on the first line and the SAN reader on the words after it,
// played in turn: a FEN that reads writes back to one that reads to the same
// position; a word read as one move names a legal move whose SAN reads back
// to it, in both languages.
inline std::string fen(std::string_view dados) {
    const std::size_t fim_da_linha = std::min(dados.find('\n'), dados.size());
    const xadrez::LeituraFen lida = xadrez::le_fen(dados.substr(0, fim_da_linha));
    if (lida.ok()) {
        const std::string escrito = xadrez::escreve_fen(lida.posicao);
        const xadrez::LeituraFen relida = xadrez::le_fen(escrito);
        if (!relida.ok() || !(relida.posicao == lida.posicao))
            return "the written FEN does not read back the same: " + escrito;
    }
    if (!lida.bem_formada()) return {};
    xadrez::Posicao x = lida.posicao;
    std::istringstream palavras{std::string(dados.substr(fim_da_linha))};
    for (std::string palavra; palavras >> palavra;) {
        for (const xadrez::Letras& letras : {xadrez::INGLES, xadrez::PORTUGUES}) {
            const xadrez::LeituraSan l = xadrez::le_san(x, palavra, letras);
            if (l.resultado != xadrez::LeituraSan::um) continue;
            if (!xadrez::legal(x, l.lance)) return "\"" + palavra + "\" read as an illegal move";
            const std::string san = xadrez::escreve_san(x, l.lance, letras);
            const xadrez::LeituraSan de_novo = xadrez::le_san(x, san, letras);
            if (de_novo.resultado != xadrez::LeituraSan::um || !(de_novo.lance == l.lance))
                return "the SAN written, " + san + ", does not read back to the move";
        }
        const xadrez::LeituraSan l = xadrez::le_san(x, palavra);
        if (l.resultado == xadrez::LeituraSan::um) xadrez::joga(x, l.lance);
    }
    return {};
}

// The position reader of the explanations on any bytes, and the words of
// "why" read from its lines: a position it loads gets a table of two lines,
// one line per candidate and three more, then the legend, its analysis
// agrees with the choice, and every word gets an answer of whole lines.
inline std::string explicacao(std::string_view dados) {
    const std::string texto(dados);
    Analise a;
    if (const auto posicao = posicao_para_explicar(texto)) {
        a = analisa_posicao(*posicao);
        if (std::string erro = analise_confere(a); !erro.empty()) return erro;
        const std::string t = tabela_da_analise(a, true, posicao->fora_da_vez);
        const std::size_t linhas = static_cast<std::size_t>(std::count(t.begin(), t.end(), '\n'));
        if (linhas < a.candidatos.size() + 5 || t.find("\nChosen: ") == std::string::npos)
            return "the table has not its heading, one line per candidate and the choice:\n" + t;
    } else {
        PosicaoParaExplicar inicio;
        inicio.tabuleiro.posicao_inicial(false);
        a = analisa_posicao(inicio);
    }
    std::istringstream linhas(texto);
    std::string palavra;
    for (int n = 0; n < 50 && std::getline(linhas, palavra); ++n)
        for (const bool ingles : {true, false}) {
            const std::string s = explica_lance(a, palavra, ingles);
            if (s.empty() || s.back() != '\n') return "no whole line for \"" + palavra + "\"";
        }
    return {};
}

// The body of every fuzzing program: runs the target on the input and
// aborts, so that libFuzzer keeps the input, when it reports a fault.
inline int executa(std::string (*alvo)(std::string_view), const std::uint8_t* dados,
                   std::size_t n) {
    const std::string erro = alvo({reinterpret_cast<const char*>(dados), n});
    if (!erro.empty()) {
        std::fprintf(stderr, "%s\n", erro.c_str());
        std::abort();
    }
    return 0;
}

} // namespace quelmaro::alvos
