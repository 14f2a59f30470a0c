#include "app/engine_publication.h"

#include "app/blocker_preparation.h"
#include "proxy/proxy_listener.h"
#include "proxy/settings_store.h"

namespace hush {

EngineSettings CurrentEngineSettings(std::shared_ptr<tls::LeafMinter> minter) {
  const ProxySettings& record = Settings();
  EngineSettings engine = EngineSettingsOf(record);
  if (engine.httpsFiltering) engine.minter = std::move(minter);
  engine.blockerScript = *PreparedBlockerScript();
  if (record.playWave.load() != 0) engine.headInsert = kAlertElement;
  return engine;
}

void PublishEngineSettings(ProxyListener& listener, std::shared_ptr<tls::LeafMinter> minter) {
  listener.Publish(CurrentEngineSettings(std::move(minter)));
}

}  // namespace hush
