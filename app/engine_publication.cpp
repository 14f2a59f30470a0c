#include "app/engine_publication.h"

#include "app/blocker_preparation.h"
#include "proxy/proxy_listener.h"
#include "proxy/settings_store.h"

namespace hush {

EngineSettings CurrentEngineSettings() {
  const ProxySettings& record = Settings();
  EngineSettings engine = EngineSettingsOf(record);
  engine.blockerScript = *PreparedBlockerScript();
  if (record.playWave.load() != 0) engine.headInsert = kAlertElement;
  return engine;
}

void PublishEngineSettings(ProxyListener& listener) { listener.Publish(CurrentEngineSettings()); }

}  // namespace hush
