#pragma once
// Where a lobby account's password is kept: the desktop's keyring (Secret
// Service or KWallet), never the settings file. Where no keyring answers,
// nothing is kept and the lobby window asks each time. Tests replace it.
#include <QObject>
#include <QString>

#include <functional>

namespace lobby {

class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    // 'done' gets whether a keyring answered and the password (empty: none kept).
    virtual void read(const QString& account,
                      std::function<void(bool keyring, const QString& password)> done) = 0;
    virtual void write(const QString& account, const QString& password) = 0;
};

class KeyringStore : public PasswordStore {
public:
    static constexpr auto Service = "Kelvoa lobby";
    void read(const QString& account,
              std::function<void(bool keyring, const QString& password)> done) override;
    void write(const QString& account, const QString& password) override;
};

// Keeps nothing: every sign-in asks.
class NoStore : public PasswordStore {
public:
    void read(const QString&, std::function<void(bool, const QString&)> done) override {
        done(false, {});
    }
    void write(const QString&, const QString&) override {}
};

} // namespace lobby
