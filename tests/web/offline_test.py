"""The hosted site in headless Chromium, as a student on a train meets it: one visit with a
network, then a reload with the server gone and the network switched off. The machine must start
from the service worker's copy and take keys. Chromium must also find the site installable.
Usage: offline_test.py SITE_FOLDER
"""
import json
import os
import re
import shutil
import sys
import tempfile

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser

# Resolves once the worker has kept every file of this version.
BEHALTEN = """
const fertig = arguments[arguments.length - 1];
navigator.serviceWorker.ready
    .then(() => caches.keys())
    .then((namen) => caches.open(namen[0]))
    .then((ablage) => ablage.keys())
    .then((kopien) => fertig(kopien.length), (fehler) => fertig(String(fehler)));
"""


def main(gebaut):
    failures = []
    # A copy, so that a new version can be put on the server while the browser is there.
    kopie = tempfile.TemporaryDirectory()
    site = shutil.copytree(gebaut, os.path.join(kopie.name, "site"))
    with open(os.path.join(site, "service_worker.js"), encoding="utf-8") as f:
        dateien = json.loads(re.search(r"const Dateien = (\[.*\]);", f.read()).group(1))

    def check(ok, what):
        if not ok:
            failures.append(what)
            print("FAIL " + what)

    with browser.chromium() as driver:
        # Each connection closed after its answer, so that nothing still serves once the
        # server is shut.
        with browser.server(site, keep_alive=False) as url:
            browser.open_page(driver, url)
            driver.set_script_timeout(20)
            try:
                kopien = driver.execute_async_script(BEHALTEN)
            except TimeoutException:
                kopien = "no worker ready after 20 s"
            check(isinstance(kopien, int) and kopien >= len(dateien),
                  f"the service worker keeps every file of the site ({kopien} of {len(dateien)})")
            fehler = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
            check(fehler.get("installabilityErrors") == [],
                  f"installable: no error listed ({fehler})")
            # A new version on the server is what a visit with a network shows, not the copy.
            seite = os.path.join(site, "index.html")
            with open(seite, encoding="utf-8") as f:
                neu = f.read().replace("<title>", "<title>Neu: ", 1)
            with open(seite, "w", encoding="utf-8") as f:
                f.write(neu)
            driver.refresh()
            browser.open_page(driver, url)
            check(driver.title.startswith("Neu: "), f"online the new version shows ({driver.title})")
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        driver.refresh()
        try:
            browser.open_page(driver, url)
        except TimeoutError:
            check(False, "offline the machine starts")
        else:
            ActionChains(driver).send_keys(Keys.ARROW_RIGHT * 3).perform()
            n1 = driver.execute_script("return document.getElementById('N1').value")
            check(n1 == "3", f"offline the machine takes keys (N(1) is {n1!r} after Right x3)")
    kopie.cleanup()
    print(f"offline: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
