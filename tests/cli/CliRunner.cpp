#include "CliRunner.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CliRunner::CliRunner()
{
    static int runners = 0;
    m_dir = fs::temp_directory_path() /
            ("volmaren-cli-" + std::to_string(getpid()) + "-" + std::to_string(++runners));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
}

CliRunner::~CliRunner()
{
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

std::string CliRunner::Path(const std::string& name) const
{
    return (m_dir / name).string();
}

CliResult CliRunner::Run(const std::vector<std::string>& args) const
{
    std::string command = Quoted(VOLMAREN_CLI_PATH);
    // Appended piece by piece: gcc 12 at -O3 takes " " + a temporary string for
    // an overlapping copy (-Wrestrict).
    for (const std::string& arg : args)
        command.append(" ").append(Quoted(arg));
    const fs::path out = m_dir / "stdout.txt", err = m_dir / "stderr.txt";
    command.append(" >").append(Quoted(out.string())).append(" 2>").append(Quoted(err.string()));
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = Slurp(out);
    result.err = Slurp(err);
    return result;
}

std::vector<std::uint8_t> CliRunner::Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void CliRunner::Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
