// schichtplan --caldav against a real Radicale: one line and exit 0 when it
// worked; exit 1 with the cause when the server fails; exit 2 for wrong
// arguments; the password never shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DavServers.h"
#include "cli/Schichtplan.h"

namespace sk {
namespace {

using test::DavServer;
using test::DavServerKind;

class CalDavCommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::HaveProgram("radicale"));
        server_ = std::make_unique<DavServer>(DavServerKind::Radicale);
        ASSERT_TRUE(server_->Running());
        folder_ = std::filesystem::temp_directory_path() / ("sk-caldav-cli-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "right") << DavServer::kPassword << "\n";
        std::ofstream(folder_ / "wrong") << "Rate-Mal-123\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    int Run(std::vector<std::string> args, std::string& out, std::string& err) {
        return RunSchichtplan(args, DayNumberOf(2027, 3, 15), out, err);
    }
    std::vector<std::string> Args(const std::string& url, const std::string& passwordFile) {
        return {"--caldav", url, "--user", DavServer::kUser, "--password-file", (folder_ / passwordFile).string(),
                "--crew", "2", "--from", "2027-03-01", "--to", "2027-03-31"};
    }

    std::unique_ptr<DavServer> server_;
    std::filesystem::path folder_;
};

TEST_F(CalDavCommandLine, SyncsAndReportsInOneLine) {
    std::string out, err;
    ASSERT_EQ(Run(Args(server_->CollectionUrl(), "right"), out, err), kExitOk) << err;
    EXPECT_TRUE(out.starts_with("Kalenderabgleich: ")) << out;
    EXPECT_NE(out.find(" neu, 0 geändert, 0 gelöscht, 0 unverändert\n"), std::string::npos) << out;
    ASSERT_EQ(Run(Args(server_->CollectionUrl(), "right"), out, err), kExitOk) << err;
    EXPECT_NE(out.find("0 neu, 0 geändert, 0 gelöscht, "), std::string::npos) << out;
}

TEST_F(CalDavCommandLine, FailuresNameTheirCauseAndNeverThePassword) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errorPart;
    };
    const std::string url = server_->CollectionUrl();
    std::string closedPort = url;
    closedPort.replace(closedPort.find(':', 6) + 1, closedPort.find('/', 8) - closedPort.find(':', 6) - 1, "1");
    auto without = [this, &url](const char* option) {
        std::vector<std::string> a = Args(url, "right");
        const auto at = std::find(a.begin(), a.end(), option);
        a.erase(at, at + 2);
        return a;
    };
    auto with = [this, &url](std::vector<std::string> extra) {
        std::vector<std::string> a = Args(url, "right");
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    };
    const Case cases[] = {
        {Args(url, "wrong"), kExitSyncFailed, "Anmeldung abgelehnt"},
        {Args(closedPort, "right"), kExitSyncFailed, "Keine Verbindung zum Server"},
        {Args("http://dav.example.org/cal/", "right"), kExitBadInput, "nur zu diesem Rechner"},
        {Args(url, "missing"), kExitBadInput, "Passwortdatei"},
        {without("--crew"), kExitBadInput, "fehlt die Schicht"},
        {without("--user"), kExitBadInput, "nur zusammen"},
        {with({"--format", "ics"}), kExitBadInput, "schließt --format aus"},
    };
    for (const Case& c : cases) {
        std::string out, err;
        EXPECT_EQ(Run(c.args, out, err), c.status) << err;
        EXPECT_NE(err.find(c.errorPart), std::string::npos) << err;
        EXPECT_EQ(err.find(DavServer::kPassword), std::string::npos);
        EXPECT_TRUE(out.empty());
    }
}

}  // namespace
}  // namespace sk
