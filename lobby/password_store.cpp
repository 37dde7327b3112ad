#include "password_store.h"

#include <qt6keychain/keychain.h>

namespace lobby {

void KeyringStore::read(const QString& account,
                        std::function<void(bool keyring, const QString& password)> done) {
    auto* job = new QKeychain::ReadPasswordJob(QLatin1String(Service));
    job->setAutoDelete(true);
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, job, [done](QKeychain::Job* j) {
        auto* r = static_cast<QKeychain::ReadPasswordJob*>(j);
        if (r->error() == QKeychain::NoError)
            done(true, r->textData());
        else
            done(r->error() == QKeychain::EntryNotFound, {});
    });
    job->start();
}

void KeyringStore::write(const QString& account, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(QLatin1String(Service));
    job->setAutoDelete(true);
    job->setKey(account);
    job->setTextData(password);
    job->start();
}

} // namespace lobby
