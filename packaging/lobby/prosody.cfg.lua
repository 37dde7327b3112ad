-- A public lobby for Kelvoa on prosody (Debian: apt install prosody lua-sec).
-- Replace lobby.example.org by your server's domain everywhere in this file;
-- README.md beside it gives the steps. Players set, in the game's lobby window:
--   room     lobby@conference.lobby.example.org
--   account  name@lobby.example.org  (Create Account registers it here)
--        or  anon.lobby.example.org  (sign in without an account)

admins = { }
pidfile = "/run/prosody/prosody.pid"
data_path = "/var/lib/prosody"
certificates = "/etc/prosody/certs"
log = { info = "/var/log/prosody/prosody.log"; error = "/var/log/prosody/prosody.err" }

modules_enabled = {
	"roster"; "saslauth"; "tls"; "dialback"; "disco"; "ping"; "register";
	"limits"; "smacks"; "carbons"; "time"; "version"; "uptime";
}
modules_disabled = { "s2s" }
-- The lobby is one server: players of other servers reach it with an account here.
c2s_ports = { 5222 }
proxy65_ports = { 5000 }
c2s_require_encryption = true
allow_unencrypted_plain_auth = false
authentication = "internal_hashed"
storage = "internal"

-- In-band registration ("Create Account"), at most one account per address
-- in ten minutes.
allow_registration = true
min_seconds_between_registrations = 600
registration_throttle_max = 1
registration_throttle_period = 600

-- What one connection may send: enough for chat and presences, too little
-- to flood a room.
limits = {
	c2s = { rate = "8kb/s"; burst = "4s" };
}
-- A connection that went silent is gone within a few minutes, and with it
-- the games its presence listed.
c2s_timeout = 300
smacks_hibernation_time = 60

VirtualHost "lobby.example.org"

-- Signing in without an account: each sign-in gets a fresh address.
VirtualHost "anon.lobby.example.org"
	authentication = "anonymous"
	allow_registration = false

-- The lobby room. Rooms open as soon as somebody joins them, public and
-- unlocked; the room keeps the last lines of chat for newcomers.
Component "conference.lobby.example.org" "muc"
	modules_enabled = { "muc_mam" }
	restrict_room_creation = false
	muc_room_locking = false
	muc_room_default_public = true
	muc_room_default_persistent = true
	muc_room_default_history_length = 20
	muc_max_rooms = 20
	max_history_messages = 50

-- The bytestream proxy that relays a game between two players whom no
-- other way connects.
Component "proxy.lobby.example.org" "proxy65"
	proxy65_address = "lobby.example.org"

