// Loads the compiled game, its script and then its WebAssembly, compiled
// while it streams in (the page has asked for both already), and names for
// the player whatever failed on the way.
const kScript = './brassmoor.js';
const kWasm = 'brassmoor.wasm';

// Resolves with the game's module; rejects with an Error whose message says,
// in a few plain words, what could not be loaded.
export async function loadGame(options) {
  let createBrassmoor;
  try {
    ({ default: createBrassmoor } = await import(kScript));
  } catch {
    throw new Error(`its script ${kScript.slice(2)} did not load`);
  }
  return new Promise((resolve, reject) => {
    createBrassmoor({
      ...options,
      // In place of the module's own loading, which tells a failure only on
      // the console.
      instantiateWasm(imports, receive) {
        instantiate(imports).then(({ instance, module }) => receive(instance, module), reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

async function instantiate(imports) {
  let response;
  try {
    response = await fetch(new URL(kWasm, import.meta.url));
  } catch {
    throw new Error(`${kWasm} did not arrive (is the network down?)`);
  }
  if (!response.ok) {
    const answer = [response.status, response.statusText].filter(Boolean).join(' ');
    throw new Error(`the server answered ${answer} for ${kWasm}`);
  }
  try {
    return await WebAssembly.instantiateStreaming(response, imports);
  } catch (error) {
    throw new Error(`${kWasm} is damaged (${error.message})`);
  }
}
