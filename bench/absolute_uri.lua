-- Makes wrk talk to a proxy: absolute-URI requests for the origin's page,
-- with the origin as Host, over keep-alive connections.
local origin = os.getenv("BENCH_ORIGIN")
local page = os.getenv("BENCH_PAGE") or "/page.html"
wrk.path = "http://" .. origin .. page
wrk.headers["Host"] = origin
