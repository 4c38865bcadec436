// Both programs run as a person or a GUI runs them: a real process, standard
// input from bytes, standard output read back through a pipe, saved games in
// a scratch folder on disk. Bad input of every kind gets sound behaviour, a
// failed save never damages the file it would replace, and the same input
// always gives the same output.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/jogo_salvo.hpp"

namespace quelmaro {
namespace {

namespace fs = std::filesystem;

struct Execucao {
    int status = -1; // exit status; -1 when the program did not exit normally
    std::string saida;
};

// Runs `programa` in `pasta` on the bytes of `entrada`. `limite_de_arquivo`
// caps the size of any file the program writes (RLIMIT_FSIZE), so that a
// write fails midway. Ends the program, and fails the test, if it runs for
// more than 60 seconds.
Execucao roda(const std::string& programa, const std::string& entrada, const fs::path& pasta,
              rlim_t limite_de_arquivo = RLIM_INFINITY) {
    Execucao r;
    const fs::path arquivo_de_entrada = pasta.parent_path() / (pasta.filename().string() + ".in");
    std::ofstream(arquivo_de_entrada, std::ios::binary) << entrada;
    int tubo[2];
    if (pipe(tubo) != 0) return r;
    const pid_t filho = fork();
    if (filho == 0) {
        const int in = open(arquivo_de_entrada.c_str(), O_RDONLY);
        const int nulo = open("/dev/null", O_WRONLY);
        if (in < 0 || nulo < 0 || chdir(pasta.c_str()) != 0) _exit(127);
        dup2(in, STDIN_FILENO);
        dup2(tubo[1], STDOUT_FILENO);
        dup2(nulo, STDERR_FILENO);
        close(tubo[0]);
        const rlimit limite{limite_de_arquivo, limite_de_arquivo};
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    char bloco[4096];
    for (;;) {
        pollfd p{tubo[0], POLLIN, 0};
        const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
            prazo - std::chrono::steady_clock::now());
        if (resta.count() <= 0) {
            ADD_FAILURE() << programa << " still running after 60 s";
            kill(filho, SIGKILL);
            break;
        }
        if (poll(&p, 1, static_cast<int>(resta.count())) < 0 && errno != EINTR) break;
        if (!(p.revents & (POLLIN | POLLHUP))) continue;
        const ssize_t n = read(tubo[0], bloco, sizeof bloco);
        if (n <= 0) break;
        r.saida.append(bloco, static_cast<std::size_t>(n));
    }
    close(tubo[0]);
    int estado = 0;
    waitpid(filho, &estado, 0);
    if (WIFEXITED(estado)) r.status = WEXITSTATUS(estado);
    fs::remove(arquivo_de_entrada);
    return r;
}

std::size_t conta(const std::string& texto, const std::string& parte) {
    std::size_t n = 0;
    for (std::size_t p = texto.find(parte); p != std::string::npos; p = texto.find(parte, p + 1))
        ++n;
    return n;
}

std::string jogo_inicial() {
    JogoSalvo jogo;
    jogo.tabuleiro.posicao_inicial(true);
    jogo.ingles = true;
    std::ostringstream s;
    escreve_jogo_salvo(s, jogo);
    return s.str();
}

class PontaAPonta : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* teste = ::testing::UnitTest::GetInstance()->current_test_info();
        pasta = fs::temp_directory_path() /
                ("quelmaro-" + std::string(teste->name()) + "-" + std::to_string(getpid()));
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    void TearDown() override {
        fs::permissions(pasta, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(pasta);
    }
    // A fresh, empty scratch folder.
    void esvazia() {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    fs::path pasta;
};

const std::string CONSOLE = QUELMARO_PROGRAMA;
const std::string XBOARD = QUELMARO_PROGRAMA_XB;
// English, no drawing, the player has White.
const std::string INICIO = "e\nn\ns\n";

// Lines that are no move and no command, in every shape: each is read past,
// and the move after it is played. The program ends with status 0 when the
// input ends, whatever it was reading.
TEST_F(PontaAPonta, BadLinesAreReadPastInBothPrograms) {
    struct Caso {
        const char* nome;
        std::string linhas;
    };
    const Caso casos[] = {
        {"over-long line", std::string(100000, 'x') + "\n"},
        {"line of 101 characters", std::string(101, '~') + "\n"},
        {"NUL bytes", std::string("e2\0e4\n\0\0\0\n\0", 11) + "\n"},
        {"control characters", "\x1b[2J\x07\x08\x7f\x01\n\t\v\f\n"},
        {"non-ASCII bytes", "\xc3\xa9\xc3\xa7\n\xff\xfe\xfd\n\x80\n"},
        {"blank and empty lines", "\n\n   \n"},
        {"words that are no command", "E2E4\nmovee2e4\nnova\n0-0-0\ngone\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const Execucao console = roda(CONSOLE, INICIO + c.linhas + "e2e4\n", pasta);
        EXPECT_EQ(console.status, 0);
        EXPECT_EQ(conta(console.saida, "My move is: "), 1u) << console.saida;
        EXPECT_EQ(conta(console.saida, "not allowed"), 0u) << console.saida;
        const Execucao xb = roda(XBOARD, "new\n" + c.linhas + "e2e4\n", pasta);
        EXPECT_EQ(xb.status, 0);
        EXPECT_EQ(conta(xb.saida, "move "), 1u) << xb.saida;
        EXPECT_EQ(conta(xb.saida, "Illegal"), 0u) << xb.saida;
    }
}

TEST_F(PontaAPonta, LastLineWithoutLineEndAndCrLfLineEnds) {
    struct Caso {
        const char* nome;
        std::string programa, entrada, esperado;
    };
    const Caso casos[] = {
        {"console, no final line end", CONSOLE, INICIO + "e2e4", "My move is: "},
        {"engine build, no final line end", XBOARD, "e2e4", "move "},
        {"console, CR LF", CONSOLE, "e\r\nn\r\ns\r\ne2e4\r\n", "My move is: "},
        {"engine build, CR LF", XBOARD, "new\r\ne2e4\r\n", "move "},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const Execucao r = roda(c.programa, c.entrada, pasta);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(conta(r.saida, c.esperado), 1u) << r.saida;
    }
}

// The input ends while the program waits in each of its dialogs: it ends at
// once with status 0, and the last thing it printed is the question it was
// asking.
TEST_F(PontaAPonta, EndOfInputInEveryDialog) {
    struct Caso {
        const char* nome;
        std::string programa, entrada, ultima_linha; // empty: nothing printed at all
    };
    const Caso casos[] = {
        {"language", CONSOLE, "", "English(e) or Portuguese(p)?"},
        {"drawing", CONSOLE, "e\n", "Do you want chessboard? y/n?"},
        {"who starts", CONSOLE, "e\nn\n", "(play with white?)"},
        {"first move", CONSOLE, INICIO, "Ex: e2e4, c2-c3, Nb1a3, etc."},
        {"move after a refusal", CONSOLE, INICIO + "e2e5\n",
         "This move is not allowed. What is your move?"},
        {"name to save", CONSOLE, INICIO + "save\n", "Enter the name of the file."},
        {"name to open", CONSOLE, INICIO + "open\n", "Enter the name of the file"},
        {"engine build, first line", XBOARD, "", ""},
        {"engine build, after its move", XBOARD, "e2e4\nping 1\n", "pong 1"},
        {"engine build, in force mode", XBOARD, "force\ne2e4\nping 2\n", "pong 2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const Execucao r = roda(c.programa, c.entrada, pasta);
        EXPECT_EQ(r.status, 0);
        if (c.ultima_linha.empty()) {
            EXPECT_EQ(r.saida, "");
            continue;
        }
        ASSERT_TRUE(r.saida.ends_with("\n")) << r.saida;
        const std::string linhas = r.saida.substr(0, r.saida.size() - 1);
        EXPECT_TRUE(linhas.substr(linhas.rfind('\n') + 1).ends_with(c.ultima_linha)) << r.saida;
    }
}

// Saved files that cannot be used: the message, and the game goes on as it
// was (the next move is played from the starting position).
TEST_F(PontaAPonta, BadSavedFilesKeepTheGame) {
    const std::string bom = jogo_inicial();
    auto com = [&](std::size_t pos, const std::string& campo) {
        std::string s = bom;
        s.replace(pos, campo.size(), campo);
        return s;
    };
    struct Caso {
        const char* nome;
        std::string conteudo; // empty name below: a folder instead of a file
        bool pasta = false;
    };
    const Caso casos[] = {
        {"a folder, not a file", "", true},
        {"empty", ""},
        {"truncated", bom.substr(0, 400)},
        {"truncated in the flags", bom.substr(0, 733)},
        {"over-long number", std::string(3 << 20, '9')},
        {"over-long file of blanks", std::string(3 << 20, ' ')},
        {"binary", std::string("\0\xff\x01\x80", 4) + bom},
        {"piece code out of range", com(0, "       1000")},
        {"counter out of range", com(704, "99999999999")},
        {"negative counter", com(715, "         -5")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        esvazia();
        if (c.pasta)
            fs::create_directory(pasta / "ruim");
        else
            std::ofstream(pasta / "ruim", std::ios::binary) << c.conteudo;
        const Execucao r = roda(CONSOLE, INICIO + "open\nruim\ne2e4\n", pasta);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(conta(r.saida, "Enter the name of the file\nThe game could not be loaded.\n"), 1u)
            << r.saida;
        EXPECT_EQ(conta(r.saida, "My last move was"), 0u);
        EXPECT_EQ(conta(r.saida, "My move is: "), 1u) << r.saida;
    }
    // the good file loads
    esvazia();
    std::ofstream(pasta / "bom") << bom;
    const Execucao r = roda(CONSOLE, INICIO + "open\nbom\n", pasta);
    EXPECT_EQ(conta(r.saida, "My last move was: ----\n"), 1u) << r.saida;
}

// Saves that cannot be made: the message, the game goes on, and a file of
// the same name that was there is left exactly as it was, with no stray
// files beside it.
TEST_F(PontaAPonta, FailedSavesLoseNothing) {
    const std::string antigo = jogo_inicial();
    const std::string somente_leitura = geteuid() == 0 ? "/proc/quelmaro.sav" : "fechada/jogo";
    struct Caso {
        const char* nome;
        std::string arquivo;
        rlim_t limite = RLIM_INFINITY;
    };
    const Caso casos[] = {
        {"folder that does not exist", "nao/existe/jogo"},
        {"folder that is not writable", somente_leitura},
        {"a file where a folder should be", "jogo/dentro"},
        {"write that fails midway over an existing file", "jogo", 100},
    };
    const std::pair<std::string, std::string> comandos[] = {
        {"save", "Enter the name of the file.\nThe game could not be saved.\n"},
        {"pgn", "Enter the name of the file.\nThe PGN file could not be written.\n"},
    };
    for (const auto& [comando, mensagem] : comandos)
        for (const Caso& c : casos) {
            SCOPED_TRACE(comando + ": " + c.nome);
            esvazia();
            std::ofstream(pasta / "jogo") << antigo;
            fs::create_directory(pasta / "fechada");
            fs::permissions(pasta / "fechada", fs::perms::owner_read | fs::perms::owner_exec);
            const Execucao r =
                roda(CONSOLE, INICIO + "e2e4\n" + comando + "\n" + c.arquivo + "\nd2d4\n", pasta,
                     c.limite);
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(conta(r.saida, mensagem), 1u) << r.saida;
            EXPECT_EQ(conta(r.saida, "My move is: "), 2u) << r.saida;
            std::ifstream f(pasta / "jogo");
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), antigo);
            std::set<std::string> nomes;
            for (const auto& e : fs::directory_iterator(pasta)) nomes.insert(e.path().filename());
            EXPECT_EQ(nomes, (std::set<std::string>{"fechada", "jogo"}));
            fs::permissions(pasta / "fechada", fs::perms::owner_all);
        }
    // and the same save without the limit replaces the file
    esvazia();
    std::ofstream(pasta / "jogo") << "antigo";
    EXPECT_EQ(roda(CONSOLE, INICIO + "e2e4\nsave\njogo\n", pasta).status, 0);
    std::ifstream f(pasta / "jogo");
    const std::string novo(std::istreambuf_iterator<char>(f), {});
    EXPECT_EQ(novo.size(), 738u);
}

// One long input of moves (most of them refused), commands, saves, loads,
// side swaps and new games, run twice through each program: the same output
// both times.
TEST_F(PontaAPonta, SameInputSameOutput) {
    const char* comandos[] = {"play\n",    "turn\n",         "draw\n", "save\ng\n",
                              "open\ng\n", "new\ne\nn\ns\n", "O-O\n",  "O-O-O\n"};
    std::string linhas;
    unsigned x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1103515245u + 12345u;
        const unsigned v = (x >> 8) & 0xffff;
        if (v % 10 == 0) {
            linhas += comandos[(v / 10) % std::size(comandos)];
        } else {
            const char l[] = {char('a' + v % 8), char('1' + (v / 8) % 8), char('a' + (v / 64) % 8),
                              char('1' + (v / 512) % 8), '\n'};
            linhas.append(l, 5);
        }
    }
    for (const auto& [programa, lance] : {std::pair{CONSOLE, std::string("My move is: ")},
                                          std::pair{XBOARD, std::string("move ")}}) {
        SCOPED_TRACE(programa);
        const std::string entrada = (programa == CONSOLE ? "e\ns\ns\n" : "") + linhas;
        esvazia();
        const Execucao a = roda(programa, entrada, pasta);
        esvazia();
        const Execucao b = roda(programa, entrada, pasta);
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(b.status, 0);
        EXPECT_GT(conta(a.saida, lance), 50u);
        EXPECT_TRUE(a.saida == b.saida) << "the outputs differ";
    }
}

} // namespace
} // namespace quelmaro
